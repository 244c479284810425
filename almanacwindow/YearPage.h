#pragma once
// One year of the almanac for the window: the grid of moonrise and moonset
// exactly as `tessaly-cli --events --format grid --year Y` prints it.
#include <optional>
#include <string>
#include <vector>

#include "window/Captions.h"
#include "window/MainForm.h"

namespace tessaly {

struct YearPage {
  int year = 0;
  Language language = Language::English;
  std::string title;                           // the command line's first line
  std::vector<std::string> headings;           // the day, then January to December
  std::vector<std::vector<std::string>> rows;  // days 1 to 31: the day, then the twelve cells
};

// The year in the place, zone, language and azimuth reference the main
// window holds; with a linked zone, each date in the offset in force then.
// Returns the message of a refused input.
std::optional<std::string> yearPage(const MainForm& main, const Zone* linked, int year, YearPage& page);

// What a screen reader says of a cell: "5 Mar: rise 5:03, set 17:45".
// Day 1 to 31, month 1 to 12; empty past the month's end.
std::string yearCellSpoken(const YearPage& page, int day, int month);

}  // namespace tessaly
