#pragma once
// Every field Calculate reads or writes, by its window name, in the order the
// command line reports them.
#include <span>

#include "window/ElementName.h"

namespace tessaly {

std::span<const ElementName> calculateFields();

// The fields a user types for a moment: the date and time first, then the
// place and the zone (which the real-time tick locks).
std::span<const ElementName> inputFields();
std::span<const ElementName> dateAndTimeFields();
std::span<const ElementName> placeFields();

}  // namespace tessaly
