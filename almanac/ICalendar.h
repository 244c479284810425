#pragma once
// An iCalendar file of point events, written through libical: each event
// at its exact instant, in universal time or in a named zone's local time
// with that zone's VTIMEZONE.
#include <date/tz.h>

#include <string>
#include <vector>

namespace tessaly::almanac {

struct CalendarEvent {
  std::string uid;  // the same for the same event, place and language
  std::string summary, description;
  date::sys_seconds at;
};

struct CalendarPlace {
  std::string location;
  double latitude = 0, longitude = 0;  // degrees, north and east positive
};

// `zone` null, or one libical does not know: universal time. `stamp` is
// the DTSTAMP of every event, the moment the file is made.
std::string iCalendarText(const std::vector<CalendarEvent>& events, const CalendarPlace& place,
                          const date::time_zone* zone, date::sys_seconds stamp);

}  // namespace tessaly::almanac
