#pragma once
// What a screen reader speaks for each input and value of the main window,
// in the two languages. The window's captions name a group of fields at
// once ("Local Time" over hours, minutes and seconds); these names tell the
// fields apart, and the language switch sets them with the captions.
#include <span>

#include "window/Captions.h"

namespace tessaly {

std::span<const ElementCaption> accessibleNames();

}  // namespace tessaly
