#pragma once
// The main window as data, free of any toolkit: texts and captions, enabled
// states, the one-row lists, the option group, menu check marks, the timer
// and the About windows. A view realises it and is told of every change.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/FieldStore.h"
#include "window/WindowFields.h"

namespace tessaly {

class WindowModel : public FieldStore {
 public:
  // Called with the element's name ("Timer1" for the timer, the dialog's
  // name for an About window) after it changed.
  using ChangeListener = std::function<void(std::string_view name)>;
  // Called when an option button becomes selected, by the user or by the
  // program.
  using OptionListener = std::function<void(std::string_view option)>;

  WindowModel();

  std::string text(std::string_view name) const override;
  // Characters a box does not take are left out.
  void setText(std::string_view name, std::string_view text) override;
  // Whether a box takes a character: Town takes no comma, CR or LF, which
  // the settings line cannot hold inside the town's field.
  static bool takes(std::string_view name, char c);
  int topEntry(std::string_view list) const override;
  void selectEntry(std::string_view list, int index) override;

  ElementKind kind(std::string_view name) const;
  // What a screen reader speaks for the element; empty where its text says it.
  std::string accessibleName(std::string_view name) const;
  void setAccessibleName(std::string_view name, std::string_view accessibleName);
  bool enabled(std::string_view name) const;
  void setEnabled(std::string_view name, bool enabled);

  const std::vector<std::string>& entries(std::string_view list) const;
  void clearList(std::string_view list);
  void addEntry(std::string_view list, std::string_view entry);

  // Selecting one option button clears the other and raises its event.
  bool selected(std::string_view option) const;
  void setSelected(std::string_view option, bool selected);

  bool checked(std::string_view menuItem) const;
  void setChecked(std::string_view menuItem, bool checked);

  // An interval of 0 stops the ticks; a disabled timer never ticks.
  int timerInterval() const { return timerInterval_; }
  void setTimerInterval(int milliseconds);
  bool timerEnabled() const { return timerEnabled_; }
  void setTimerEnabled(bool enabled);
  bool timerRunning() const { return timerEnabled_ && timerInterval_ > 0; }

  bool aboutShown(std::string_view dialog) const;
  void setAboutShown(std::string_view dialog, bool shown);

  void setChangeListener(ChangeListener listener) { onChange_ = std::move(listener); }
  void setOptionListener(OptionListener listener) { onOption_ = std::move(listener); }

 private:
  struct Element {
    ElementKind kind;
    std::string text;
    bool enabled;
    bool checked;
    std::vector<std::string> entries;
    int top = 0;
    std::string accessibleName;
  };
  Element& element(std::string_view name);
  const Element& element(std::string_view name) const;
  Element& list(std::string_view name);
  void changed(std::string_view name) const;

  // Looked up by name some sixty times a tick: an open-addressed table of
  // the fixed names beside the elements. The names are short and tell
  // themselves apart by their length and their first, middle and last two
  // characters; the few that share those only cost a further probe.
  static constexpr int kSlotBits = 10;
  static std::size_t slotOf(std::string_view name) {
    const std::size_t n = name.size();
    const auto at = [&](std::size_t i) { return static_cast<std::uint64_t>(static_cast<unsigned char>(name[i])); };
    const std::uint64_t key = n < 2 ? n : n ^ at(0) << 8 ^ at(n / 2) << 16 ^ at(n - 2) << 24 ^ at(n - 1) << 32;
    return static_cast<std::size_t>(key * 0x9E3779B97F4A7C15u >> (64 - kSlotBits));
  }
  std::vector<std::pair<std::string, Element>> elements_;
  std::vector<std::int16_t> slots_;  // index into elements_, or -1
  int timerInterval_ = 1000;
  bool timerEnabled_ = false;
  std::map<std::string, bool, std::less<>> aboutShown_;
  ChangeListener onChange_;
  OptionListener onOption_;
};

}  // namespace tessaly
