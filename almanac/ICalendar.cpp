#include "almanac/ICalendar.h"

#include <libical/ical.h>

#include <cstdlib>
#include <memory>

namespace tessaly::almanac {
namespace {

struct ComponentFree {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype icalTime(date::local_seconds local) {
  const date::local_days day = date::floor<date::days>(local);
  const date::year_month_day ymd{day};
  const date::hh_mm_ss time{local - day};
  icaltimetype t = icaltime_null_time();
  t.year = int(ymd.year());
  t.month = static_cast<int>(unsigned(ymd.month()));
  t.day = static_cast<int>(unsigned(ymd.day()));
  t.hour = static_cast<int>(time.hours().count());
  t.minute = static_cast<int>(time.minutes().count());
  t.second = static_cast<int>(time.seconds().count());
  return t;
}

icaltimetype universalTime(date::sys_seconds at) {
  icaltimetype t = icalTime(date::local_seconds{at.time_since_epoch()});
  t.zone = icaltimezone_get_utc_timezone();
  return t;
}

// libical's own description of the zone, under the zone's plain name; null
// for a zone libical does not hold.
Component timeZoneComponent(const date::time_zone& zone) {
  icaltimezone* builtIn = icaltimezone_get_builtin_timezone(std::string(zone.name()).c_str());
  if (!builtIn) return nullptr;
  Component component(icalcomponent_new_clone(icaltimezone_get_component(builtIn)));
  icalproperty* id = icalcomponent_get_first_property(component.get(), ICAL_TZID_PROPERTY);
  icalproperty_set_tzid(id, std::string(zone.name()).c_str());
  return component;
}

icalproperty* startOf(const CalendarEvent& event, const date::time_zone* zone) {
  if (!zone) return icalproperty_new_dtstart(universalTime(event.at));
  icalproperty* start = icalproperty_new_dtstart(icalTime(zone->to_local(event.at)));
  icalproperty_add_parameter(start, icalparameter_new_tzid(std::string(zone->name()).c_str()));
  return start;
}

}  // namespace

std::string iCalendarText(const std::vector<CalendarEvent>& events, const CalendarPlace& place,
                          const date::time_zone* zone, date::sys_seconds stamp) {
  Component calendar(icalcomponent_new_vcalendar());
  icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
  icalcomponent_add_property(calendar.get(),
                             icalproperty_new_prodid("-//Tessaly//Tessaly Almanac//EN"));
  icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
  if (zone) {
    if (Component described = timeZoneComponent(*zone))
      icalcomponent_add_component(calendar.get(), described.release());
    else
      zone = nullptr;
  }
  const icaltimetype stampTime = universalTime(stamp);
  const icalgeotype geo{place.latitude, place.longitude};
  for (const CalendarEvent& event : events) {
    icalcomponent* vevent = icalcomponent_new_vevent();
    icalcomponent_add_property(vevent, icalproperty_new_uid(event.uid.c_str()));
    icalcomponent_add_property(vevent, icalproperty_new_dtstamp(stampTime));
    icalcomponent_add_property(vevent, startOf(event, zone));
    icalcomponent_add_property(vevent, icalproperty_new_summary(event.summary.c_str()));
    if (!event.description.empty())
      icalcomponent_add_property(vevent, icalproperty_new_description(event.description.c_str()));
    icalcomponent_add_property(vevent, icalproperty_new_location(place.location.c_str()));
    icalcomponent_add_property(vevent, icalproperty_new_geo(geo));
    // A moment, not a span: it blocks no time in a schedule.
    icalcomponent_add_property(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    icalcomponent_add_component(calendar.get(), vevent);
  }
  char* text = icalcomponent_as_ical_string_r(calendar.get());
  std::string result(text);
  std::free(text);
  return result;
}

}  // namespace tessaly::almanac
