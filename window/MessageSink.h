#pragma once
#include <string_view>

namespace tessaly {

// Where the handlers report invalid input: a modal box titled "Tessaly" with
// one OK button in the window, standard error in the command-line tool.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Returns when the user has closed the message.
  virtual void showMessage(std::string_view text) = 0;
};

}  // namespace tessaly
