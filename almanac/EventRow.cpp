#include "almanac/EventRow.h"

#include "engine/NumberReading.h"
#include "window/PhaseOffsets.h"

namespace tessaly::almanac {
namespace {

constexpr ElementName kRowFields[] = {
    "DateDay",     "DateMonth",  "DateYear",    "TimeHour",    "TimeMin",    "TimeSec",     "Timezon",
    "RiseHour",    "RiseMin",    "RAzim",       "SetHour",     "SetMin",     "SAzim",       "CulmHour(0)",
    "CulmMin(0)",  "ATransit(0)", "CulmHour(1)", "CulmMin(1)", "ATransit(1)",
};

// The fields of the two phases shown, as the engine's narrowing names them.
constexpr std::string_view kPhaseFieldNames[] = {"Phase1", "DatePhase1", "Phase2", "DatePhase2"};

std::string datePart(const std::string& dateText) { return dateText.substr(0, dateText.find(' ')); }

// The two phases the window shows: name and date.
struct PhaseFields {
  ElementName name, date;
};
constexpr PhaseFields kPhaseFields[] = {{"Phase1", "DatePhase1"}, {"Phase2", "DatePhase2"}};

// Whether an event shown at hour:minute on `day` in the zone text `shownIn`
// happens on that date while that offset is in force.
bool happensOn(const Zone& zone, date::local_days day, const std::string& hour, const std::string& minute,
               const std::string& shownIn) {
  if (hour == "-") return false;
  const LocalMoment own = zone.moment(instantInZone(eventTime(day, hour, minute), shownIn));
  return own.zone == shownIn && date::floor<date::days>(own.local) == day;
}

// On a date whose offset changes, the row's calculation covers the date in
// one offset only: an event outside the part of the date where that offset
// is in force gives way to the same kind of event as a calculation in the
// other offset shows it, when that one falls in its own part.
std::optional<std::string> eventsInTheirOffsets(RowCalculator& calculator, const Zone& zone, date::local_days day,
                                                std::chrono::seconds timeOfDay, const std::vector<std::string>& texts,
                                                EventRow& row) {
  const std::string rowZone = row.eventZones.front();
  std::array<bool, std::size(kDayEventFields)> found{};
  for (std::size_t i = 0; i < found.size(); ++i) {
    const DayEventFields& e = kDayEventFields[i];
    found[i] = happensOn(zone, day, row.fields.text(e.hour.text()), row.fields.text(e.minute.text()), rowZone);
    if (found[i]) continue;
    for (ElementName field : {e.hour, e.minute, e.value}) row.fields.setText(field.text(), "-");
  }
  for (const std::string& text : texts) {
    if (text == rowZone) continue;
    if (auto message = calculator.calculate({day + timeOfDay, text})) return message;
    const WindowModel& w = calculator.fields();
    for (std::size_t i = 0; i < found.size(); ++i) {
      const DayEventFields& e = kDayEventFields[i];
      if (found[i] || !happensOn(zone, day, w.text(e.hour), w.text(e.minute), text)) continue;
      for (ElementName field : {e.hour, e.minute, e.value}) row.fields.setText(field.text(), w.text(field));
      row.eventZones[i] = text;
      found[i] = true;
    }
  }
  return std::nullopt;
}

// A date the zone's clocks skip whole.
void showSkipped(date::local_days day, EventRow& row) {
  const MomentTexts date = momentTexts(day);
  for (ElementName field : kRowFields) row.fields.setText(field.text(), "-");
  row.fields.setText("DateDay", date.day);
  row.fields.setText("DateMonth", date.month);
  row.fields.setText("DateYear", date.year);
  row.eventZones.fill("-");
  row.skipped = true;
}

}  // namespace

date::local_seconds eventTime(date::local_days day, const std::string& hour, const std::string& minute) {
  return day + std::chrono::hours{static_cast<int>(numberOf(hour))} +
         std::chrono::minutes{static_cast<int>(numberOf(minute))};
}

std::span<const ElementName> eventRowFields() { return kRowFields; }

std::span<const std::string_view> eventPhaseFields() { return kPhaseFieldNames; }

std::string PhaseOnDate::time() const { return withTwoDigitMinutes(dateText.substr(dateText.find(' ') + 1)); }

std::optional<std::string> eventRow(RowCalculator& calculator, const Zone& zone, date::local_days day,
                                    std::chrono::seconds timeOfDay, EventRow& row) {
  // Every field is written anew; the row's store keeps its entries.
  row.phases.clear();
  row.skipped = false;
  const date::sys_seconds start = zone.instant(day), end = zone.instant(day + date::days{1});
  if (start == end) {
    showSkipped(day, row);
    return std::nullopt;
  }
  const LocalMoment moment = zone.moment(zone.instant(day + timeOfDay));
  if (auto message = calculator.calculate(moment)) return message;
  const WindowModel& w = calculator.fields();
  for (ElementName field : kRowFields) row.fields.setText(field.text(), w.text(field));
  row.eventZones.fill(moment.zone);

  const std::string date = dateText(date::floor<date::days>(moment.local));
  for (const PhaseFields& fields : kPhaseFields) {
    const PhaseOnDate phase{w.text(fields.name), phaseDateInItsOffset(zone, moment.zone, w.text(fields.date))};
    if (datePart(phase.dateText) == date) row.phases.push_back(phase);
  }
  const std::vector<std::string> texts = zone.textsBetween(start, end);
  if (texts.size() < 2) return std::nullopt;
  return eventsInTheirOffsets(calculator, zone, day, timeOfDay, texts, row);
}

std::optional<std::string> eventMonth(RowCalculator& calculator, const Zone& zone, date::year_month month,
                                      std::chrono::seconds timeOfDay, std::vector<EventRow>& rows) {
  rows.clear();
  const date::local_days first{month / 1}, end{(month + date::months{1}) / 1};
  for (date::local_days day = first; day < end; day += date::days{1}) {
    EventRow row;
    if (auto message = eventRow(calculator, zone, day, timeOfDay, row)) return message;
    rows.push_back(std::move(row));
  }
  return std::nullopt;
}

std::string eventColumnText(const EventRow& row, const Column& column) {
  if (column.key != kPhasesKey) return columnText(column, row.fields);
  std::string text = row.phases.empty() ? "-" : "";
  for (const PhaseOnDate& phase : row.phases) text += (text.empty() ? "" : ", ") + phase.name + " " + phase.time();
  return text;
}

std::vector<std::string> eventRowTexts(const EventRow& row, const std::vector<Column>& columns) {
  std::vector<std::string> texts;
  texts.reserve(columns.size());
  for (const Column& column : columns) texts.push_back(eventColumnText(row, column));
  return texts;
}

}  // namespace tessaly::almanac
