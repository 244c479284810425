// The iCalendar file read back through libical's own parser: no errors,
// one event per phase the rows show, each at the instant the rows show it,
// in universal time or in the named zone; UIDs that stay put.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <set>

#include "almanac/CalendarEvents.h"
#include "almanac/EventRow.h"
#include "tests/almanac/SingleRun.h"

namespace tessaly::almanac {
namespace {

using namespace std::chrono_literals;
using date::days;

const date::sys_seconds kStamp = date::sys_days{date::year{2026} / 12 / 7} + 12h;

struct ReadBack {
  std::vector<date::sys_seconds> starts;
  std::vector<std::string> zoneNames;  // the TZID of each start, empty for UTC
  int errors = 0;
};

// Every event's start as an instant, through the calendar's own VTIMEZONE.
ReadBack readBack(const std::string& text) {
  ReadBack result;
  icalcomponent* calendar = icalparser_parse_string(text.c_str());
  EXPECT_NE(calendar, nullptr);
  if (!calendar) return result;
  result.errors = icalcomponent_count_errors(calendar);
  for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
    EXPECT_NE(icalcomponent_get_first_property(e, ICAL_DTSTAMP_PROPERTY), nullptr);
    icalproperty* start = icalcomponent_get_first_property(e, ICAL_DTSTART_PROPERTY);
    icalparameter* tzid = icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER);
    const icaltimezone* zone = icaltimezone_get_utc_timezone();
    if (tzid) {
      result.zoneNames.emplace_back(icalparameter_get_tzid(tzid));
      zone = icalcomponent_get_timezone(calendar, icalparameter_get_tzid(tzid));
      EXPECT_NE(zone, nullptr) << "no VTIMEZONE for " << result.zoneNames.back();
    } else {
      result.zoneNames.emplace_back();
    }
    const icaltimetype t = icalproperty_get_dtstart(start);
    result.starts.push_back(date::sys_seconds{std::chrono::seconds{icaltime_as_timet_with_zone(t, zone)}});
  }
  EXPECT_NE(icalcomponent_get_first_property(calendar, ICAL_PRODID_PROPERTY), nullptr);
  icalcomponent_free(calendar);
  return result;
}

struct Made {
  std::vector<CalendarEvent> events;
  std::string text;
};

Made calendarOf(const testing::Typed& typed, CalendarRange range, const std::string& columns,
                const date::time_zone* named = nullptr, bool russian = false) {
  const auto form = testing::typedForm(typed);
  if (russian) form->form.me1_10_Click();
  RowCalculator calculator(form->form);
  const std::unique_ptr<Zone> zone = named ? findNamedZone(std::string(named->name()))
                                           : std::make_unique<FixedZone>(form->form.model().text("Timezon"));
  Made made;
  EXPECT_EQ(calendarEvents(calculator, *zone, form->form.model(), range,
                           columns.empty() ? std::vector<Column>{} : parseColumns(columns), made.events),
            std::nullopt);
  made.text = iCalendarText(made.events, calendarPlace(form->form.model()), named, kStamp);
  return made;
}

const CalendarRange kYear{date::local_days{date::year{2026} / 1 / 1}, date::local_days{date::year{2026} / 12 / 31},
                          kEventHour};

TEST(Calendar, EachPhaseTheRowsShowAtTheirMinute) {
  const ReadBack back = readBack(calendarOf(testing::kPlace, kYear, "").text);
  EXPECT_EQ(back.errors, 0);
  EXPECT_EQ(back.zoneNames, std::vector<std::string>(back.starts.size()));  // universal time
  std::vector<std::string> read;  // "D.M.YYYY H:M" in zone 2, as the rows show them
  for (const date::sys_seconds at : back.starts) {
    const auto local = date::local_seconds{(at + 2h).time_since_epoch()};
    const date::hh_mm_ss time{local - date::floor<days>(local)};
    read.push_back(dateText(date::floor<days>(local)) + " " + std::to_string(time.hours().count()) + ":" +
                   std::to_string(time.minutes().count()));
  }
  const auto form = testing::typedForm(testing::kPlace);
  RowCalculator calculator(form->form);
  std::vector<std::string> shown;
  std::vector<EventRow> rows;
  const FixedZone zone("2");
  for (unsigned m = 1; m <= 12; ++m) {
    ASSERT_EQ(eventMonth(calculator, zone, date::year{2026} / date::month{m}, kEventHour, rows), std::nullopt);
    for (const EventRow& row : rows)
      for (const PhaseOnDate& phase : row.phases) shown.push_back(phase.dateText);
  }
  EXPECT_GE(shown.size(), 49u);
  EXPECT_EQ(read, shown);
}

TEST(Calendar, ANamedZoneWritesLocalTimesThatReadBackToTheSameInstants) {
  const Made made =
      calendarOf(testing::kPlace, kYear, "phases,rise,set,culm,lculm", date::locate_zone("Europe/Berlin"));
  const ReadBack back = readBack(made.text);
  EXPECT_EQ(back.errors, 0);
  EXPECT_GT(made.events.size(), 49u + 3 * 365);  // some 49 phases and nearly four events a date
  std::vector<date::sys_seconds> instants;
  for (const CalendarEvent& e : made.events) instants.push_back(e.at);
  EXPECT_EQ(back.starts, instants);
  EXPECT_EQ(back.zoneNames, std::vector<std::string>(instants.size(), "Europe/Berlin"));
  EXPECT_NE(made.text.find("BEGIN:VTIMEZONE"), std::string::npos);
}

TEST(Calendar, RiseAndSetAreTheRowsLocalTimesInTheOffsetInForceAtThem) {
  testing::Typed typed = testing::kPlace;
  typed.back().text = "5.5";
  const CalendarRange days3{date::local_days{date::year{2026} / 12 / 6}, date::local_days{date::year{2026} / 12 / 8},
                            kEventHour};
  const Made made = calendarOf(typed, days3, "rise");
  ASSERT_EQ(made.events.size(), 3u);
  // 6.12.2026 at 30°15' E, 45° N: the rows show the rise at 4:55 in zone 2,
  // so 8:25 in zone 5.5; its instant is 2:55 UT.
  EXPECT_EQ(made.events[0].at, date::sys_days{date::year{2026} / 12 / 6} + 2h + 55min);
  EXPECT_EQ(made.events[0].summary, "Moonrise");
  EXPECT_EQ(made.events[0].description.rfind("Rise Azimuth: ", 0), 0u);

  // Berlin's set at 0:28 summer time on 29.10.2017, the date its clocks go
  // back, is 22:28 universal time on the 28th, once.
  const CalendarRange change{date::local_days{date::year{2017} / 10 / 28},
                             date::local_days{date::year{2017} / 10 / 29}, kEventHour};
  const Made sets = calendarOf(testing::kBerlin, change, "set", date::locate_zone("Europe/Berlin"));
  ASSERT_EQ(sets.events.size(), 1u);
  EXPECT_EQ(sets.events[0].at, date::sys_days{date::year{2017} / 10 / 28} + 22h + 28min);
}

TEST(Calendar, UidsAreUniqueAndStayForTheSameEventPlaceAndLanguage) {
  const Made year = calendarOf(testing::kPlace, kYear, "phases,rise,set");
  std::set<std::string> unique;
  for (const CalendarEvent& e : year.events) unique.insert(e.uid);
  EXPECT_EQ(unique.size(), year.events.size());

  // December again, in another zone, in Russian and a degree further east.
  const CalendarRange december{kYear.last - days{30}, kYear.last, kEventHour};
  testing::Typed otherZone = testing::kPlace, elsewhere = testing::kPlace;
  otherZone.back().text = "3";
  elsewhere.front().text = "31";
  const Made russian = calendarOf(testing::kPlace, december, "phases", nullptr, true);
  EXPECT_EQ(russian.events.front().summary, "3 четверть");
  for (const auto& [other, same] : {std::pair{calendarOf(otherZone, december, "phases"), true}, {russian, false},
                                    {calendarOf(elsewhere, december, "phases"), false}}) {
    ASSERT_FALSE(other.events.empty());
    for (const CalendarEvent& e : other.events) EXPECT_EQ(unique.contains(e.uid), same) << e.uid;
  }
}

}  // namespace
}  // namespace tessaly::almanac
