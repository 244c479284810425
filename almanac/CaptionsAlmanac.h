#pragma once
// Captions of the almanac in the two languages: its columns by key, the
// months of the yearly grid and the grid's own headings.
#include <span>
#include <string_view>

#include "window/Captions.h"

namespace tessaly {

// One row per column key (the `control` of each row is the key).
std::span<const CaptionRow> almanacColumnCaptions();
// January to December, short.
std::span<const CaptionRow> almanacMonthCaptions();
// "gridTitle" and "gridDay".
std::span<const CaptionRow> almanacGridCaptions();
// The names of a calendar's rise, set and culmination events.
std::span<const CaptionRow> almanacCalendarCaptions();


}  // namespace tessaly
