#pragma once
// The window program's own options, answered before any window is made, so
// that they work without a display.
#include <optional>
#include <ostream>

namespace tessaly {

// The exit status when an option was answered on standard output (--help,
// --version), else nothing: the arguments are then the toolkit's. An
// answer that could not be written is said on `err`.
std::optional<int> answerWithoutWindow(int argc, const char* const* argv, std::ostream& err);

}  // namespace tessaly
