#pragma once
// One row of the almanac per local date: moonrise, moonset, the upper and
// lower culmination, and the principal phases that fall on that date.
#include <array>
#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "almanac/Columns.h"
#include "almanac/RowCalculator.h"
#include "engine/MemoryFieldStore.h"
#include "places/Zone.h"

namespace tessaly::almanac {

struct PhaseOnDate {
  std::string name;      // as Phase1 or Phase2 shows it
  std::string dateText;  // as DatePhase1 or DatePhase2 shows it: "D.M.YYYY H:M"
  std::string time() const;  // "H:MM"
};

// The window fields an event row keeps, in order.
std::span<const ElementName> eventRowFields();
// The calculated fields that making an event row reads, besides the day's
// events: the phases.
std::span<const std::string_view> eventPhaseFields();

// The day's four events as the window shows them: rise, set, upper and
// lower culmination, each with its time and its azimuth or altitude.
struct DayEventFields {
  ElementName hour, minute, value;
};
inline constexpr DayEventFields kDayEventFields[] = {
    {"RiseHour", "RiseMin", "RAzim"},
    {"SetHour", "SetMin", "SAzim"},
    {"CulmHour(0)", "CulmMin(0)", "ATransit(0)"},
    {"CulmHour(1)", "CulmMin(1)", "ATransit(1)"},
};

// The local time an event's hour and minute texts give on a date.
date::local_seconds eventTime(date::local_days day, const std::string& hour, const std::string& minute);

struct EventRow {
  // The date, time and zone fields of the moment calculated and the twelve
  // fields of the day's events, by their window names.
  MemoryFieldStore fields;
  std::vector<PhaseOnDate> phases;  // in the order they happen
  // The zone text each event's time is shown in, in the order of
  // kDayEventFields: the row's own, except on a date whose offset changes.
  std::array<std::string, std::size(kDayEventFields)> eventZones;
  // A date the zone's clocks skip: no events, and only its date is shown.
  bool skipped = false;
};

// The local moment on a date at which its events are calculated; its zone
// is the one in force at that moment.
inline constexpr std::chrono::hours kEventHour{12};

// Calculates the local date at timeOfDay. Each event and phase is shown in
// the offset in force when it happens, so that on a date the offset changes
// it falls on exactly one date. Returns the message of a refused input, and
// then leaves `row` unset.
std::optional<std::string> eventRow(RowCalculator& calculator, const Zone& zone, date::local_days day,
                                    std::chrono::seconds timeOfDay, EventRow& row);

// The rows of every date of a month.
std::optional<std::string> eventMonth(RowCalculator& calculator, const Zone& zone, date::year_month month,
                                      std::chrono::seconds timeOfDay, std::vector<EventRow>& rows);

// The texts of an event row in the given columns, as the command line
// prints them.
std::string eventColumnText(const EventRow& row, const Column& column);
std::vector<std::string> eventRowTexts(const EventRow& row, const std::vector<Column>& columns);

}  // namespace tessaly::almanac
