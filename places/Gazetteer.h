#pragma once
// The towns of the system's gazetteer (some 24,000 of 15,000 people or
// more), read once, on first use, so that a window that never looks for a
// place never pays for them.
#include <vector>

#include "places/Place.h"

namespace tessaly {

// Empty when the gazetteer's records are not of the form read here.
const std::vector<Place>& gazetteer();

}  // namespace tessaly
