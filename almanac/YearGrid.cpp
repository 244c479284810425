#include "almanac/YearGrid.h"

#include <algorithm>
#include <string>

#include "almanac/CaptionsAlmanac.h"
#include "almanac/Table.h"
#include "almanac/Utf8Text.h"

namespace tessaly::almanac {
namespace {

constexpr std::size_t kTimeWidth = 5;  // "23:59"
constexpr std::size_t kCellWidth = 2 * kTimeWidth + 1;

std::string rightAligned(std::string text) {
  return std::string(kTimeWidth - std::min(kTimeWidth, displayWidth(text)), ' ') + text;
}

}  // namespace

std::string gridCell(const EventRow& row) {
  return rightAligned(eventColumnText(row, *findColumn("rise"))) + " " +
         rightAligned(eventColumnText(row, *findColumn("set")));
}

std::string yearGridTitle(int year, Language language) {
  return std::string(captionOf(almanacGridCaptions(), "gridTitle", language)) + "  " + std::to_string(year);
}

void writeYearGrid(std::ostream& out, int year, const YearOfRows& months, Language language) {
  out << yearGridTitle(year, language) << '\n';
  std::vector<std::string> captions{std::string(captionOf(almanacGridCaptions(), "gridDay", language))};
  std::vector<std::size_t> widths{2};
  for (const CaptionRow& month : almanacMonthCaptions()) {
    captions.emplace_back(month.in(language));
    widths.push_back(kCellWidth);
  }
  Table table(out, std::move(captions), std::move(widths), 0);
  for (const std::vector<std::string>& cells : yearGridRows(months)) table.row(cells);
}

std::optional<std::string> eventYear(RowCalculator& calculator, const Zone& zone, date::year year,
                                     std::chrono::seconds timeOfDay, YearOfRows& months) {
  for (unsigned m = 1; m <= 12; ++m)
    if (auto message = eventMonth(calculator, zone, year / date::month{m}, timeOfDay, months[m - 1])) return message;
  return std::nullopt;
}

std::vector<std::vector<std::string>> yearGridRows(const YearOfRows& months) {
  std::vector<std::vector<std::string>> rows;
  for (std::size_t day = 1; day <= 31; ++day) {
    std::vector<std::string> cells{std::to_string(day)};
    for (const std::vector<EventRow>& days : months) cells.push_back(day <= days.size() ? gridCell(days[day - 1]) : "");
    rows.push_back(std::move(cells));
  }
  return rows;
}

}  // namespace tessaly::almanac
