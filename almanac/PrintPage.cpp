#include "almanac/PrintPage.h"

#include <sstream>

#include "almanac/CalendarEvents.h"
#include "almanac/Table.h"

namespace tessaly::almanac {
namespace {

// The lines of a printed table but its rule, which paper draws as a line.
std::vector<std::string> linesWithoutRule(const std::string& text, std::size_t skipped) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::size_t index = 0;
  for (std::string line; std::getline(in, line); ++index)
    if (index >= skipped && index != skipped + 1) lines.push_back(std::move(line));
  return lines;
}

}  // namespace

std::string placeHeading(const WindowModel& window, std::string_view zone, Language language) {
  return calendarPlace(window).location + "; " + std::string(columnCaption(*findColumn("zone"), language)) + ": " +
         std::string(zone);
}

PrintPage yearPrintPage(int year, const YearOfRows& months, Language language, std::string place) {
  std::ostringstream grid;
  writeYearGrid(grid, year, months, language);
  PrintPage page{{}, std::move(place), linesWithoutRule(grid.str(), 1)};
  page.title = yearGridTitle(year, language);
  return page;
}

PrintPage tablePrintPage(std::string title, std::string place, std::vector<std::string> captions,
                         const std::vector<std::vector<std::string>>& rows, std::vector<std::size_t> widths) {
  std::ostringstream text;
  {
    Table table(text, std::move(captions), std::move(widths), 0);
    for (const auto& row : rows) table.row(row);
  }
  return {std::move(title), std::move(place), linesWithoutRule(text.str(), 0)};
}

}  // namespace tessaly::almanac
