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

bool numeric(const std::string& cell) {
  return cell.find_first_not_of("0123456789.:-+ ") == std::string::npos;
}

}  // namespace

std::optional<std::string> monthPage(const WindowModel& place, std::optional<double> azimuthShift, const Zone* linked,
                                     int month, int year, MonthPage& page) {
  almanac::RowCalculator calculator(place, azimuthShift, linked ? kNamedZoneHigh : kTypedZoneHigh);
  // A linked zone gives each date the offset in force then, as --tz does.
  const FixedZone typed(place.text("Timezon"));
  const Zone& zone = linked ? *linked : typed;
  const date::year_month yearMonth = date::year{year} / date::month{static_cast<unsigned>(month)};
  MonthPage result{month, year, calculator.language(), {}, {}, {}, almanac::defaultEventColumns(linked != nullptr), {}};
  const auto fraction = *almanac::findColumn("frac");
  std::vector<std::string_view> reads(almanac::eventPhaseFields().begin(), almanac::eventPhaseFields().end());
  reads.push_back(fraction.parts.front().field.text());
  calculator.readOnly(reads);
  result.headings = headingsOf(result.columns, result.language);
  result.headings.emplace_back(additionCaption("MidnightFraction", result.language));
  // Each date's two calculations together, so that the second finds the
  // date's rise and set already worked out.
  const date::local_days first{yearMonth / 1}, end{(yearMonth + date::months{1}) / 1};
  for (date::local_days day = first; day < end; day += date::days{1}) {
    almanac::EventRow row;
    if (auto message = almanac::eventRow(calculator, zone, day, almanac::kEventHour, row)) return message;
    std::vector<std::string> cells = almanac::eventRowTexts(row, result.columns);
    if (auto message = calculator.calculate(zone.moment(zone.instant(date::local_seconds{day})))) return message;
    cells.push_back(almanac::columnText(fraction, calculator.fields().fields()));
    result.rows.push_back(std::move(cells));
    result.events.push_back(std::move(row));
  }
  result.numeric.assign(result.headings.size(), true);
  for (const auto& row : result.rows)
    for (std::size_t c = 0; c < row.size(); ++c) result.numeric[c] = result.numeric[c] && numeric(row[c]);
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
  // A linked zone bounds the month by its own midnights and writes local
  // times with its VTIMEZONE, as --tz does.
  const FixedZone typed(main.model().text("Timezon"));
  const Zone* linked = main.linkedZone().zone();
  const Zone& zone = linked ? *linked : typed;
  const date::local_days first{date::year{year} / date::month{static_cast<unsigned>(month)} / 1};
  const date::local_days last{date::year{year} / date::month{static_cast<unsigned>(month)} / date::last};
  std::vector<almanac::CalendarEvent> events;
  if (almanac::calendarEvents(calculator, zone, main.model(), {first, last, almanac::kEventHour}, {}, events))
    return false;
  text = almanac::calendarFile(events, main.model(), zone, date::floor<std::chrono::seconds>(stamp));
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
