#include "almanacwindow/YearPage.h"

#include <sstream>

#include "almanac/CaptionsAlmanac.h"
#include "almanac/RowCalculator.h"
#include "almanac/YearGrid.h"
#include "window/CaptionsAdditions.h"
#include "window/FilledCaption.h"

namespace tessaly {

std::optional<std::string> yearPage(const MainForm& main, const Zone* linked, int year, YearPage& page) {
  almanac::RowCalculator calculator(main);
  const FixedZone typed(main.model().text("Timezon"));
  almanac::YearOfRows months;
  const Zone& zone = linked ? *linked : typed;
  if (auto message = almanac::eventYear(calculator, zone, date::year{year}, almanac::kEventHour, months))
    return message;
  YearPage result{year, calculator.language(), {}, {}, almanac::yearGridRows(months)};
  result.title = almanac::yearGridTitle(year, result.language);
  result.headings.emplace_back(captionOf(almanacGridCaptions(), "gridDay", result.language));
  for (const CaptionRow& month : almanacMonthCaptions()) result.headings.emplace_back(month.in(result.language));
  page = std::move(result);
  return std::nullopt;
}

std::string yearCellSpoken(const YearPage& page, int day, int month) {
  const std::string& cell = page.rows.at(static_cast<std::size_t>(day - 1)).at(static_cast<std::size_t>(month));
  if (cell.empty()) return {};
  std::istringstream times(cell);
  std::string rise, set;
  times >> rise >> set;
  return filledCaption(additionCaption("YearCellSpoken", page.language),
                       {std::to_string(day), page.headings.at(static_cast<std::size_t>(month)), rise, set});
}

}  // namespace tessaly
