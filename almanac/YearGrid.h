#pragma once
// The classic yearly table of moonrise and moonset: the days 1 to 31 down
// the side, the twelve months across, the rise and set times in each cell.
#include <array>
#include <ostream>
#include <vector>

#include "almanac/EventRow.h"
#include "window/Captions.h"

namespace tessaly::almanac {

using YearOfRows = std::array<std::vector<EventRow>, 12>;

// The rise and set of a date as a cell shows them, each right-aligned in
// five characters: " 5:03 17:45", "    - 17:45".
std::string gridCell(const EventRow& row);

void writeYearGrid(std::ostream& out, int year, const YearOfRows& months, Language language);

}  // namespace tessaly::almanac
