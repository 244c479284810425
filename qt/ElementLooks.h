#pragma once
// How the main window's elements look beyond their kind: the widest text a
// box takes or a value shows, the styles of captions and units, the date
// boxes' suggestions and the field each caption names. One row per element
// that differs from the plain look of its kind.
#include <optional>
#include <span>
#include <string_view>

#include "window/ElementName.h"

namespace tessaly::qtview {

enum Style : unsigned {
  kPlain = 0,
  kUnderlined = 1,
  kLarge = 2,      // the azimuths and altitudes of the events
  kOnTheLine = 4,  // a unit that stays on the line instead of standing raised
  kTitle = 8,      // the program's name over the window
  kHeading = 16,   // the heading of the Moon's coordinates
};

struct ElementLook {
  ElementName name;
  std::string_view sample = {};  // the widest text the element takes or shows
  unsigned style = kPlain;
  int firstSuggestion = 0, lastSuggestion = -1;  // a date box's list
  // The field a caption names, which assistive tools follow; a click on the
  // caption of an option button selects it.
  std::optional<ElementName> labels = std::nullopt;
};

// The look of an element; the plain look of its kind for one without a row.
ElementLook lookOf(ElementName name);

// The order Tab moves through the inputs.
std::span<const ElementName> tabOrder();

}  // namespace tessaly::qtview
