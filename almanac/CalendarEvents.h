#pragma once
// The almanac as calendar events: the principal phases of a range of dates
// and, when asked for, each date's rise, set and culminations, named in the
// language in force and written as an iCalendar file.
#include <optional>
#include <string>
#include <vector>

#include "almanac/Columns.h"
#include "almanac/ICalendar.h"
#include "almanac/RowCalculator.h"
#include "places/Zone.h"

namespace tessaly::almanac {

// The columns a calendar takes: phases, rise, set, culm and lculm.
bool isCalendarColumn(const Column& column);

struct CalendarRange {
  date::local_days first, last;  // local dates, both included
  std::chrono::seconds timeOfDay;  // of each date's Calculate
};

// The place as an event's location: the town and the coordinates as the
// window holds them, in the window's language.
CalendarPlace calendarPlace(const WindowModel& window);

// The events of the range in order of time: the phases (every one when
// `columns` is empty) and the events the columns name. `window` gives the
// place; `calculator` the language and the rows.
std::optional<std::string> calendarEvents(RowCalculator& calculator, const Zone& zone, const WindowModel& window,
                                          const CalendarRange& range, const std::vector<Column>& columns,
                                          std::vector<CalendarEvent>& events);

// The events as an iCalendar file made at `stamp`, at the window's place: in
// local times with the zone's VTIMEZONE when `zone` is a named one, else in
// universal time.
std::string calendarFile(const std::vector<CalendarEvent>& events, const WindowModel& window, const Zone& zone,
                         date::sys_seconds stamp);

}  // namespace tessaly::almanac
