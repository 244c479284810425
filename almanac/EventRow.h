#pragma once
// One row of the almanac per local date: moonrise, moonset, the upper and
// lower culmination, and the principal phases that fall on that date.
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

struct EventRow {
  // The date, time and zone fields of the moment calculated and the twelve
  // fields of the day's events, by their window names.
  MemoryFieldStore fields;
  std::vector<PhaseOnDate> phases;  // in the order they happen
};

// The local moment on a date at which its events are calculated; its zone
// is the one in force at that moment.
inline constexpr std::chrono::hours kEventHour{12};

// Calculates the events of a local date at timeOfDay (in force for the
// zone's offset on a day the offset changes). Each phase is shown in the
// offset in force at the phase, so that it falls on exactly one date.
// Returns the message of a refused input, and then leaves `row` unset.
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
