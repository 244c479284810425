#include "almanac/EventRow.h"

#include <charconv>

namespace tessaly::almanac {
namespace {

constexpr ElementName kRowFields[] = {
    "DateDay",     "DateMonth",  "DateYear",    "TimeHour",    "TimeMin",    "TimeSec",     "Timezon",
    "RiseHour",    "RiseMin",    "RAzim",       "SetHour",     "SetMin",     "SAzim",       "CulmHour(0)",
    "CulmMin(0)",  "ATransit(0)", "CulmHour(1)", "CulmMin(1)", "ATransit(1)",
};

// The fields of the two phases shown, as the engine's narrowing names them.
constexpr std::string_view kPhaseFieldNames[] = {"Phase1", "DatePhase1", "Phase2", "DatePhase2"};

// "D.M.YYYY H:M" back to the local time it names.
date::local_seconds phaseLocalTime(std::string_view text) {
  int parts[5] = {};
  const char* p = text.data();
  const char* const end = p + text.size();
  for (int& part : parts) {
    while (p != end && !(*p >= '0' && *p <= '9') && *p != '-') ++p;
    p = std::from_chars(p, end, part).ptr;
  }
  const auto [day, month, year, hour, minute] = parts;
  const date::local_days d{date::year{year} / month / day};
  return d + std::chrono::hours{hour} + std::chrono::minutes{minute};
}

std::string datePart(const std::string& dateText) { return dateText.substr(0, dateText.find(' ')); }

// The two phases the window shows: name and date.
struct PhaseFields {
  ElementName name, date;
};
constexpr PhaseFields kPhaseFields[] = {{"Phase1", "DatePhase1"}, {"Phase2", "DatePhase2"}};

PhaseOnDate phaseNamed(const WindowModel& w, const std::string& name) {
  for (const PhaseFields& shown : kPhaseFields)
    if (w.text(shown.name) == name) return {name, w.text(shown.date)};
  return {name, ""};
}

}  // namespace

std::span<const ElementName> eventRowFields() { return kRowFields; }

std::span<const std::string_view> eventPhaseFields() { return kPhaseFieldNames; }

std::string PhaseOnDate::time() const { return withTwoDigitMinutes(dateText.substr(dateText.find(' ') + 1)); }

std::optional<std::string> eventRow(RowCalculator& calculator, const Zone& zone, date::local_days day,
                                    std::chrono::seconds timeOfDay, EventRow& row) {
  const date::sys_seconds instant = zone.instant(day + timeOfDay);
  const LocalMoment moment = zone.moment(instant);
  if (auto message = calculator.calculate(moment)) return message;
  const WindowModel& w = calculator.fields();
  // Every field is written anew; the row's store keeps its entries.
  row.phases.clear();
  for (ElementName field : kRowFields) row.fields.setText(field.text(), w.text(field));

  const std::string date = dateText(date::floor<date::days>(moment.local));
  for (const PhaseFields& fields : kPhaseFields) {
    const PhaseOnDate phase{w.text(fields.name), w.text(fields.date)};
    // The phase's own offset may differ from the row's on a day the offset
    // changes: then it belongs to the date its own offset gives, and is
    // shown as a Calculate in that offset shows it.
    const date::sys_seconds at = instant + (phaseLocalTime(phase.dateText) - moment.local);
    const LocalMoment own = zone.moment(at);
    if (own.zone == moment.zone) {
      if (datePart(phase.dateText) == date) row.phases.push_back(phase);
      continue;
    }
    if (dateText(date::floor<date::days>(own.local)) != date) continue;
    if (auto message = calculator.calculate({moment.local, own.zone})) return message;
    row.phases.push_back(phaseNamed(calculator.fields(), phase.name));
  }
  return std::nullopt;
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
