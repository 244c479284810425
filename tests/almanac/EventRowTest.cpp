// Event rows against single Calculates of their dates.
#include <gtest/gtest.h>

#include <cctype>

#include "almanac/EventRow.h"
#include "tests/almanac/SingleRun.h"

namespace tessaly::almanac {
namespace {

using testing::kPlace;
using testing::singleRun;

struct MonthCase {
  const char* zone;  // a fixed zone text, or a name of the database
  date::year_month month;
  int phases;  // principal phases in the month
};

const MonthCase kMonths[] = {
    {"2", date::year{2026} / 12, 5},
    {"Europe/Berlin", date::year{2026} / 3, 4},
    {"Australia/Adelaide", date::year{2026} / 10, 4},
};

TEST(EventRows, EveryDateOfAMonthIsItsSingleCalculate) {
  auto source = testing::typedForm(kPlace);
  RowCalculator calculator(source->form);
  for (const MonthCase& m : kMonths) {
    SCOPED_TRACE(m.zone);
    const std::unique_ptr<Zone> zone = std::isdigit(m.zone[0]) ? std::make_unique<FixedZone>(m.zone)
                                                                : findNamedZone(m.zone);
    std::vector<EventRow> rows;
    ASSERT_FALSE(eventMonth(calculator, *zone, m.month, kEventHour, rows));
    ASSERT_EQ(rows.size(), unsigned(date::year_month_day_last{m.month / date::last}.day()));
    int phases = 0;
    date::local_days day{m.month / 1};
    for (const EventRow& row : rows) {
      const std::string date = columnText(*findColumn("date"), row.fields);
      testing::Typed place = kPlace;
      place.push_back({"Timezon", row.fields.text("Timezon")});
      const auto single = singleRun(place, date, "12:0:0");
      const bool offsetChanges = zone->textsBetween(zone->instant(day), zone->instant(day + date::days{1})).size() > 1;
      for (std::size_t i = 0; i < std::size(kDayEventFields); ++i) {
        const DayEventFields& e = kDayEventFields[i];
        // On a date whose offset changes, an event the noon's offset misplaces
        // is shown as a Calculate in its own offset shows it, or not at all.
        if (offsetChanges && row.fields.text(e.hour.text()) == "-") continue;
        testing::Typed own = kPlace;
        own.push_back({"Timezon", row.eventZones[i]});
        const auto inItsOffset = row.eventZones[i] == place.back().text ? nullptr : singleRun(own, date, "12:0:0");
        const WindowModel& expected = (inItsOffset ? inItsOffset : single)->form.model();
        for (ElementName field : {e.hour, e.minute, e.value})
          EXPECT_EQ(row.fields.text(field.text()), expected.text(field)) << date << " " << field;
      }
      day += date::days{1};
      for (const PhaseOnDate& p : row.phases) EXPECT_TRUE(p.dateText.starts_with(date + " ")) << p.dateText;
      phases += static_cast<int>(row.phases.size());
    }
    EXPECT_EQ(phases, m.phases);  // each principal phase of the month once
  }
}

// A phase within an hour of midnight on the day the offset changes: the
// offset in force at the phase decides its date, so that it is listed once.
TEST(EventRows, APhaseOnTheDayOfAChangeTakesItsOwnOffset) {
  auto source = testing::typedForm(kPlace);
  RowCalculator calculator(source->form);
  const auto newYork = findNamedZone("America/New_York");
  const date::local_days day{date::year{1972} / 10 / 29};  // -4 until 2:00, then -5
  EventRow before, on;
  ASSERT_FALSE(eventRow(calculator, *newYork, day - date::days{1}, kEventHour, before));
  ASSERT_FALSE(eventRow(calculator, *newYork, day, kEventHour, on));
  EXPECT_TRUE(before.phases.empty());
  ASSERT_EQ(on.phases.size(), 1u);
  EXPECT_EQ(on.fields.text("Timezon"), "-5");
  EXPECT_EQ(on.phases[0].dateText, "29.10.1972 0:42");  // at -4, still in force then
}

// The instant of each event of a row, in the offset it is shown in.
std::vector<date::sys_seconds> eventInstants(const EventRow& row, date::local_days day, std::size_t kind) {
  const DayEventFields& e = kDayEventFields[kind];
  const std::string hour = row.fields.text(e.hour.text());
  if (hour == "-") return {};
  const auto local = day + std::chrono::hours{std::stoi(hour)} +
                     std::chrono::minutes{std::stoi(row.fields.text(e.minute.text()))};
  return {instantInZone(local, row.eventZones[kind])};
}

// Around every change of offset from 2000 to 2037 in Berlin and New York,
// each event falls on exactly one date: consecutive events of a kind are a
// day apart, never an hour (shown twice) nor two days (lost).
TEST(EventRows, AcrossEveryChangeOfOffsetEachEventOnce) {
  auto source = testing::typedForm(testing::kBerlin);
  RowCalculator calculator(source->form);
  for (const char* name : {"Europe/Berlin", "America/New_York"}) {
    const auto zone = findNamedZone(name);
    for (date::local_days day{date::year{2000} / 1 / 1}; day < date::local_days{date::year{2038} / 1 / 1};
         day += date::days{1}) {
      if (zone->textsBetween(zone->instant(day), zone->instant(day + date::days{1})).size() < 2) continue;
      std::vector<date::sys_seconds> instants[std::size(kDayEventFields)];
      for (date::local_days d = day - date::days{1}; d <= day + date::days{1}; d += date::days{1}) {
        EventRow row;
        ASSERT_FALSE(eventRow(calculator, *zone, d, kEventHour, row));
        for (std::size_t kind = 0; kind < std::size(instants); ++kind)
          for (date::sys_seconds at : eventInstants(row, d, kind)) {
            EXPECT_EQ(date::floor<date::days>(zone->moment(at).local), d) << name << " " << dateText(d);
            instants[kind].push_back(at);
          }
      }
      for (const auto& kind : instants)
        for (std::size_t i = 1; i < kind.size(); ++i)
          EXPECT_TRUE(kind[i] - kind[i - 1] > std::chrono::hours{20} && kind[i] - kind[i - 1] < std::chrono::hours{30})
              << name << " " << dateText(day);
    }
  }
}

// Kwajalein went from -12 to +12 and skipped 21.8.1993: its row says so and
// nothing else; the dates around it are rows of their own.
TEST(EventRows, ADateTheZoneSkipsHasNoEvents) {
  auto source = testing::typedForm(kPlace);
  RowCalculator calculator(source->form);
  const auto zone = findNamedZone("Pacific/Kwajalein");
  std::vector<EventRow> rows;
  ASSERT_FALSE(eventMonth(calculator, *zone, date::year{1993} / 8, kEventHour, rows));
  ASSERT_EQ(rows.size(), 31u);
  for (const EventRow& row : rows) {
    const bool skipped = row.fields.text("DateDay") == "21";
    EXPECT_EQ(row.skipped, skipped);
    EXPECT_EQ(row.fields.text("RiseHour") == "-" && row.fields.text("SetHour") == "-" &&
                  row.fields.text("CulmHour(0)") == "-",
              skipped) << row.fields.text("DateDay");
  }
  EXPECT_EQ(rows[19].fields.text("Timezon"), "-12");
  EXPECT_EQ(rows[21].fields.text("Timezon"), "12");
}

// The window's phase texts keep their single-digit minutes; every column
// showing them pads the minutes as it pads those of rise and set.
TEST(EventRows, PhaseTimesHaveTwoDigitMinutesInEveryColumn) {
  MemoryFieldStore window;
  for (auto [field, text] : {std::pair{"Phase1", "Full Moon"}, {"DatePhase1", "3.1.2026 12:4"},
                             {"Phase2", "3 Quarter"}, {"DatePhase2", "10.1.2026 17:48"}})
    window.setText(field, text);
  EXPECT_EQ(columnText(*findColumn("phase"), window), "Full Moon 3.1.2026 12:04");
  EXPECT_EQ(columnText(*findColumn("next"), window), "3 Quarter 10.1.2026 17:48");
  EXPECT_EQ(columnText(*findColumn("DatePhase1"), window), "3.1.2026 12:04");

  EventRow row;
  for (auto [field, text] : {std::pair{"DateDay", "24"}, {"DateMonth", "12"}, {"DateYear", "2026"},
                             {"RiseHour", "-"}, {"RiseMin", "-"}, {"RAzim", "-"}, {"SetHour", "9"},
                             {"SetMin", "5"}, {"SAzim", "281.4"}})
    row.fields.setText(field, text);
  row.phases = {{"Full Moon", "24.12.2026 3:28"}, {"1 Quarter", "24.12.2026 23:5"}};
  const std::vector<Column> columns = parseColumns("date,rise,riseaz,set,setaz,phases");
  EXPECT_EQ(eventRowTexts(row, columns), (std::vector<std::string>{"24.12.2026", "-", "-", "9:05", "281.4",
                                                                   "Full Moon 3:28, 1 Quarter 23:05"}));
  row.phases.clear();
  EXPECT_EQ(eventColumnText(row, columns.back()), "-");
}

}  // namespace
}  // namespace tessaly::almanac
