// Rows of moments against single Calculates on the days on which a named
// zone changes its offset. The command line's tests sample a whole year.
#include <gtest/gtest.h>

#include "almanac/MomentRange.h"
#include "almanac/RowCalculator.h"
#include "tests/almanac/SingleRun.h"
#include "window/CalculateFields.h"

namespace tessaly::almanac {
namespace {

using testing::kPlace;

// Every field of the row against a single Calculate of the row's moment
// with the row's zone typed as a fixed zone.
void expectSingleRun(const WindowModel& row, testing::Typed place) {
  const std::string date = row.text("DateDay") + "." + row.text("DateMonth") + "." + row.text("DateYear");
  const std::string time = row.text("TimeHour") + ":" + row.text("TimeMin") + ":" + row.text("TimeSec");
  place.push_back({"Timezon", row.text("Timezon")});
  const auto single = testing::singleRun(place, date, time);
  for (ElementName field : calculateFields())
    ASSERT_EQ(row.text(field), single->form.model().text(field)) << date << " " << time << " " << field;
}

struct ZoneChange {
  const char* zone;
  date::local_days day;
  const char* before;  // zone texts in force at the first and the last hour
  const char* after;
  std::size_t hours;  // 23 when an hour is skipped, 25 when one comes twice
};

// Spring and autumn in a northern zone, a southern zone and a zone with a
// half-hour offset.
const ZoneChange kChanges[] = {
    {"Europe/Berlin", date::local_days{date::year{2026} / 3 / 29}, "1", "2", 23},
    {"Europe/Berlin", date::local_days{date::year{2026} / 10 / 25}, "2", "1", 25},
    {"Australia/Sydney", date::local_days{date::year{2026} / 4 / 5}, "11", "10", 25},
    {"Australia/Sydney", date::local_days{date::year{2026} / 10 / 4}, "10", "11", 23},
    {"Australia/Adelaide", date::local_days{date::year{2026} / 4 / 5}, "10.5", "9.5", 25},
    {"Australia/Adelaide", date::local_days{date::year{2026} / 10 / 4}, "9.5", "10.5", 23},
};

TEST(MomentRows, AcrossChangesOfOffsetEachRowIsItsFixedZone) {
  auto source = testing::typedForm(kPlace);
  RowCalculator calculator(source->form);
  for (const ZoneChange& change : kChanges) {
    SCOPED_TRACE(change.zone);
    const auto zone = findNamedZone(change.zone);
    ASSERT_TRUE(zone);
    MomentRange range(*zone, change.day, change.day, std::chrono::seconds{0}, parseStep("1h"));
    std::vector<LocalMoment> moments;
    for (LocalMoment m; range.next(m);) moments.push_back(m);
    EXPECT_EQ(moments.size(), change.hours);
    EXPECT_EQ(moments.front().zone, change.before);
    EXPECT_EQ(moments.back().zone, change.after);
    for (const LocalMoment& m : moments) {
      ASSERT_FALSE(calculator.calculate(m));
      expectSingleRun(calculator.fields(), kPlace);
    }
  }
}

// A step of days passes over a date the zone skips, rather than showing
// the next date twice; a step of hours runs on in elapsed time.
TEST(MomentRows, ADateTheZoneSkipsHasNoMoment) {
  const auto zone = findNamedZone("Pacific/Kwajalein");
  const date::local_days first{date::year{1993} / 8 / 19}, last{date::year{1993} / 8 / 23};
  for (const char* step : {"1d", "12h"}) {
    MomentRange range(*zone, first, last, std::chrono::hours{6}, parseStep(step));
    std::vector<std::string> dates;
    for (LocalMoment m; range.next(m);) {
      const std::string date = dateText(date::floor<date::days>(m.local));
      if (dates.empty() || dates.back() != date) dates.push_back(date);
    }
    EXPECT_EQ(dates, (std::vector<std::string>{"19.8.1993", "20.8.1993", "22.8.1993", "23.8.1993"})) << step;
  }
}

// In March the full moon of 2.4.2026 is already summer time in Berlin.
TEST(MomentRows, PhasesShowTheOffsetInForceAtThePhase) {
  auto source = testing::typedForm(kPlace);
  RowCalculator calculator(source->form);
  const auto zone = findNamedZone("Europe/Berlin");
  ASSERT_FALSE(calculator.calculate(zone->moment(zone->instant(date::local_days{date::year{2026} / 3 / 28}))));
  calculator.showPhasesIn(*zone);
  EXPECT_EQ(calculator.fields().text("Timezon"), "1");
  EXPECT_EQ(calculator.fields().text("DatePhase2"), "2.4.2026 4:13");
}

}  // namespace
}  // namespace tessaly::almanac
