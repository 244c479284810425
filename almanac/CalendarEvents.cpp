#include "almanac/CalendarEvents.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "almanac/CaptionsAlmanac.h"
#include "almanac/EventRow.h"
#include "almanac/PhaseInstants.h"
#include "engine/NumberReading.h"
#include "engine/PhaseNames.h"

namespace tessaly::almanac {
namespace {

// A date's events in the order of kDayEventFields: the column key and the
// column whose text describes the event.
struct DayEvent {
  std::string_view key, detail;
};
constexpr DayEvent kDayEvents[] = {
    {"rise", "riseaz"},
    {"set", "setaz"},
    {"culm", "culmalt"},
    {"lculm", "lculmalt"},
};
static_assert(std::size(kDayEvents) == std::size(kDayEventFields));

bool chosen(const std::vector<Column>& columns, std::string_view key) {
  return std::ranges::any_of(columns, [key](const Column& c) { return c.key == key; });
}

double degrees(const WindowModel& w, ElementName whole, ElementName minutes, ElementName side) {
  const double value = numberOf(w.text(whole)) + numberOf(w.text(minutes)) / 60;
  return w.topEntry(side) == 1 ? -value : value;
}

// What makes two files' events the same: the place to the arc second and
// the language; the zone only changes how the times are written.
std::string uidSuffix(const CalendarPlace& place, Language language) {
  char text[64];
  std::snprintf(text, sizeof text, "%+.4f%+.4f-%s@tessaly", place.latitude, place.longitude,
                language == Language::English ? "en" : "ru");
  return text;
}

std::string compactDate(date::local_days day) {
  const date::year_month_day ymd{day};
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02u%02u", int(ymd.year()), unsigned(ymd.month()), unsigned(ymd.day()));
  return text;
}

void addDayEvents(const EventRow& row, date::local_days day, const std::vector<Column>& columns, Language language,
                  const std::string& suffix, std::vector<CalendarEvent>& events) {
  for (std::size_t i = 0; i < std::size(kDayEvents); ++i) {
    const DayEvent& e = kDayEvents[i];
    const std::string hour = row.fields.text(kDayEventFields[i].hour.text());
    if (!chosen(columns, e.key) || hour == "-") continue;
    const auto local = eventTime(day, hour, row.fields.text(kDayEventFields[i].minute.text()));
    const Column detail = *findColumn(e.detail);
    events.push_back({std::string(e.key) + "-" + compactDate(day) + suffix,
                      std::string(captionOf(almanacCalendarCaptions(), e.key, language)),
                      std::string(columnCaption(detail, language)) + ": " + eventColumnText(row, detail),
                      instantInZone(local, row.eventZones[i])});
  }
}

}  // namespace

bool isCalendarColumn(const Column& column) {
  return column.key == kPhasesKey ||
         std::ranges::any_of(kDayEvents, [&](const DayEvent& e) { return e.key == column.key; });
}

CalendarPlace calendarPlace(const WindowModel& w) {
  CalendarPlace place{{}, degrees(w, "LatGrad", "LatMin", "List2"), degrees(w, "LongGrad", "LongMin", "List1")};
  const std::string town = w.text("Town");
  place.location = (town.empty() ? "" : town + ", ") + w.text("LatGrad") + "°" + w.text("LatMin") + "′ " +
                   w.entryInView("List2") + ", " + w.text("LongGrad") + "°" + w.text("LongMin") + "′ " +
                   w.entryInView("List1");
  return place;
}

std::optional<std::string> calendarEvents(RowCalculator& calculator, const Zone& zone, const WindowModel& window,
                                          const CalendarRange& range, const std::vector<Column>& columns,
                                          std::vector<CalendarEvent>& events) {
  const Language language = calculator.language();
  const CalendarPlace place = calendarPlace(window);
  const std::string suffix = "-" + uidSuffix(place, language);
  events.clear();

  if (columns.empty() || chosen(columns, kPhasesKey)) {
    // The dates' bounds in the offsets in force at their midnights.
    const auto bound = [&zone](date::local_days day) {
      const LocalMoment at = zone.moment(zone.instant(day));
      return instantInZone(at.local, at.zone);
    };
    for (const PhaseInstant& phase : phasesBetween(bound(range.first), bound(range.last + date::days{1}))) {
      const PhaseName& name = kPhaseNames[phase.quarter];
      events.push_back({"phase-" + std::to_string(phase.lunation) + "-" + std::to_string(phase.quarter) + suffix,
                        std::string(language == Language::English ? name.english : name.russian), {}, phase.at});
    }
  }
  if (std::ranges::any_of(kDayEvents, [&](const DayEvent& e) { return chosen(columns, e.key); })) {
    EventRow row;
    for (date::local_days day = range.first; day <= range.last; day += date::days{1}) {
      if (auto message = eventRow(calculator, zone, day, range.timeOfDay, row)) return message;
      addDayEvents(row, day, columns, language, suffix, events);
    }
  }
  std::ranges::stable_sort(events, {}, &CalendarEvent::at);
  return std::nullopt;
}

std::string calendarFile(const std::vector<CalendarEvent>& events, const WindowModel& window, const Zone& zone,
                         date::sys_seconds stamp) {
  const auto* named = dynamic_cast<const NamedZone*>(&zone);
  return iCalendarText(events, calendarPlace(window), named ? &named->zone() : nullptr, stamp);
}

}  // namespace tessaly::almanac
