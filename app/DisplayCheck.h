#pragma once
// Qt ends a program with an abort when its platform plugin finds no display.
// This looks first, so that the program can say so in one line instead.
#include <optional>
#include <string>

namespace tessaly {

// The one-line complaint when none of the display platforms Qt would try
// can be reached; nothing when one can, or when Qt is told to draw
// without a display (offscreen, vnc and the like).
std::optional<std::string> missingDisplay();

}  // namespace tessaly
