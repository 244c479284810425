#pragma once
// A page of the almanac for paper: a title, a line naming the place, its
// coordinates and the zone, and the table as lines of aligned text, the
// same on the command line's PDF and the window's print.
#include <string>
#include <string_view>
#include <vector>

#include "almanac/YearGrid.h"
#include "window/WindowModel.h"

namespace tessaly::almanac {

// The page's type sizes in points, the same on both ways to paper.
inline constexpr double kTitlePoints = 14;
inline constexpr double kPlacePoints = 9;
inline constexpr double kLargestTablePoints = 11;  // the table's text shrinks below it to fit
inline constexpr double kTableLineSpacing = 1.3;   // lines of the table, in text sizes

struct PrintPage {
  std::string title;
  std::string place;
  std::vector<std::string> lines;  // the captions, then the rows; a rule goes below the captions
};

// "Varnholm, 45°00′ North, 30°15′ East; Timezone: Europe/Berlin".
std::string placeHeading(const WindowModel& window, std::string_view zone, Language language);

// The year's grid as the command line prints it.
PrintPage yearPrintPage(int year, const YearOfRows& months, Language language, std::string place);

// Any table: captions, rows and the columns' least widths.
PrintPage tablePrintPage(std::string title, std::string place, std::vector<std::string> captions,
                         const std::vector<std::vector<std::string>>& rows, std::vector<std::size_t> widths);

}  // namespace tessaly::almanac
