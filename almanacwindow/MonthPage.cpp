#include "almanacwindow/MonthPage.h"

#include <sstream>

#include "almanac/CalendarEvents.h"
#include "almanac/Csv.h"
#include "almanac/RowCalculator.h"
#include "window/CaptionsAdditions.h"

namespace tessaly {
namespace {

std::vector<std::string> headingsOf(const std::vector<almanac::Column>& columns, Language language) {
  std::vector<std::string> headings;
  for (const almanac::Column& c : columns) headings.emplace_back(almanac::columnCaption(c, language));
  return headings;
}

}  // namespace

std::optional<std::string> monthPage(const MainForm& main, int month, int year, MonthPage& page) {
  almanac::RowCalculator calculator(main);
  const almanac::FixedZone zone(main.model().text("Timezon"));
  const date::year_month yearMonth = date::year{year} / date::month{static_cast<unsigned>(month)};
  MonthPage result{month, year, calculator.language(), {}, {}, {}, almanac::defaultEventColumns(false)};
  if (auto message = almanac::eventMonth(calculator, zone, yearMonth, almanac::kEventHour, result.events))
    return message;

  const auto fraction = *almanac::findColumn("frac");
  result.headings = headingsOf(result.columns, result.language);
  result.headings.emplace_back(additionCaption("MidnightFraction", result.language));
  date::local_days day{yearMonth / 1};
  for (const almanac::EventRow& row : result.events) {
    std::vector<std::string> cells = almanac::eventRowTexts(row, result.columns);
    if (auto message = calculator.calculate({date::local_seconds{day}, row.fields.text("Timezon")})) return message;
    cells.push_back(almanac::columnText(fraction, calculator.fields().fields()));
    result.rows.push_back(std::move(cells));
    day += date::days{1};
  }
  page = std::move(result);
  return std::nullopt;
}

std::string monthCsv(const MonthPage& page) {
  std::ostringstream out;
  almanac::writeCsvRow(out, headingsOf(page.columns, page.language));
  for (const almanac::EventRow& row : page.events) almanac::writeCsvRow(out, almanac::eventRowTexts(row, page.columns));
  return out.str();
}

bool monthCalendar(const MainForm& main, int month, int year, std::chrono::system_clock::time_point stamp,
                   std::string& text) {
  almanac::RowCalculator calculator(main);
  const almanac::FixedZone zone(main.model().text("Timezon"));
  const date::local_days first{date::year{year} / date::month{static_cast<unsigned>(month)} / 1};
  const date::local_days last{date::year{year} / date::month{static_cast<unsigned>(month)} / date::last};
  std::vector<almanac::CalendarEvent> events;
  if (almanac::calendarEvents(calculator, zone, main.model(), {first, last, almanac::kEventHour}, {}, events))
    return false;
  text = almanac::iCalendarText(events, almanac::calendarPlace(main.model()), nullptr,
                                date::floor<std::chrono::seconds>(stamp));
  return true;
}

std::string monthText(const MonthPage& page) {
  std::string text;
  const auto line = [&text](const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) text += (i ? "\t" : "") + cells[i];
    text += '\n';
  };
  line(page.headings);
  for (const auto& row : page.rows) line(row);
  return text;
}

}  // namespace tessaly
