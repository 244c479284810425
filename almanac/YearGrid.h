#pragma once
// The classic yearly table of moonrise and moonset: the days 1 to 31 down
// the side, the twelve months across, the rise and set times in each cell.
#include <array>
#include <optional>
#include <ostream>
#include <vector>

#include "almanac/EventRow.h"
#include "window/Captions.h"

namespace tessaly::almanac {

using YearOfRows = std::array<std::vector<EventRow>, 12>;

// The rise and set of a date as a cell shows them, each right-aligned in
// five characters: " 5:03 17:45", "    - 17:45".
std::string gridCell(const EventRow& row);

// The rows of every date of a year, month by month. Returns the message of
// a refused input.
std::optional<std::string> eventYear(RowCalculator& calculator, const Zone& zone, date::year year,
                                     std::chrono::seconds timeOfDay, YearOfRows& months);

// The grid's rows: for each day 1 to 31 its number and the twelve months'
// cells, empty past a month's end.
std::vector<std::vector<std::string>> yearGridRows(const YearOfRows& months);

// "Moon Rise and Moon Set  2027", the grid's first line.
std::string yearGridTitle(int year, Language language);

void writeYearGrid(std::ostream& out, int year, const YearOfRows& months, Language language);

}  // namespace tessaly::almanac
