#pragma once
// A command line that cannot be run: a message naming the option, for the
// one line on standard error and exit status 64. Only this is a usage error;
// any other exception is a fault of the program and is not dressed up as
// one.
#include <stdexcept>
#include <string>

namespace tessaly::cli {

class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

// Runs a reader of a lower layer that refuses an unreadable text with
// std::invalid_argument, and turns that refusal into a usage error.
template <class Reader>
auto readOption(Reader&& reader) {
  try {
    return reader();
  } catch (const std::invalid_argument& e) {
    throw UsageError(e.what());
  }
}

}  // namespace tessaly::cli
