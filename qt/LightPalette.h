#pragma once
// The main window keeps its light grey ground under any desktop theme, so
// its texts, boxes, lists and option buttons must not take a dark theme's
// light text colour: they get a light palette of their own.
#include <QPalette>

namespace tessaly::qtview {

// Dark text on the given light ground, white boxes, bevels lighter and
// darker than the ground; disabled fields greyed but still readable.
QPalette lightPalette(const QColor& ground);

}  // namespace tessaly::qtview
