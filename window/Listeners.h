#pragma once
// Those who listen to a model: added and removed by the listeners
// themselves, told in the order they were added.
#include <algorithm>
#include <vector>

namespace tessaly {

template <typename Listener>
class Listeners {
 public:
  void add(Listener& listener) { listeners_.push_back(&listener); }
  // A listener removed while the others are told is told no more.
  void remove(Listener& listener) {
    const auto found = std::find(listeners_.begin(), listeners_.end(), &listener);
    if (found == listeners_.end()) return;
    if (telling_ > 0)
      *found = nullptr;
    else
      listeners_.erase(found);
  }
  template <typename Tell>
  void notify(const Tell& tell) const {
    if (listeners_.empty()) return;
    ++telling_;
    for (std::size_t i = 0; i < listeners_.size(); ++i)
      if (listeners_[i]) tell(*listeners_[i]);
    if (--telling_ == 0) std::erase(listeners_, nullptr);
  }

 private:
  mutable std::vector<Listener*> listeners_;
  mutable int telling_ = 0;
};

}  // namespace tessaly
