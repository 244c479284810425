#include <gtest/gtest.h>

#include "Moment.h"

namespace tessaly {

using testing::Moment;

TEST(TimeScales, NoonOfJanuaryFirst2000) {
  Moment m(1, 1, 2000, 12, 0);
  m.engine.MAINCALC();
  EXPECT_EQ(m["JulianDate"], "2451545");
  EXPECT_EQ(m.state.TCent, 1);
  EXPECT_EQ(m.state.JD0Short, 51544.5);
  EXPECT_EQ(m["SidHour"] + ":" + m["SidMin"] + ":" + m["SidSec"], "20:41:50");  // GMST 18:41:50.5
}

TEST(TimeScales, LocalDateAcrossUniversalMidnight) {
  struct Case {
    double localHour;
    float zone;
    double utDay, utHour;  // the same instant on the Greenwich clock
  };
  // 00:30 at +2 is 22:30 UT the day before; 23:00 at -5 is 04:00 UT the day after.
  for (const Case& c : {Case{0.5, 2, 14, 22.5}, Case{23, -5, 16, 4}}) {
    SCOPED_TRACE(c.zone);
    Moment local(15, 3, 2021, c.localHour, c.zone), greenwich(c.utDay, 3, 2021, c.utHour, 0);
    local.engine.MAINCALC();
    greenwich.engine.MAINCALC();
    EXPECT_NEAR(local.state.JD0Short, 59288.5, 1e-9);  // 0h UT of 15.3.2021
    EXPECT_EQ(local["JulianDate"], greenwich["JulianDate"]);
    for (const char* field : {"SidHour", "SidMin", "SidSec"})
      EXPECT_EQ(local[field], greenwich[field]) << field;
  }
}

TEST(TimeScales, DayOfYearAroundLeapDays) {
  struct Case {
    double day, month, year;
    const char* shown;
  };
  for (const Case& c : {Case{29, 2, 2000, "60"}, Case{1, 3, 2000, "61"}, Case{1, 3, 1900, "60"},
                        Case{1, 3, 2100, "60"}, Case{1, 3, 1700, "60"}, Case{1, 3, 2024, "61"},
                        Case{31, 12, 2024, "366"}, Case{31, 12, 2023, "365"},
                        Case{31, 1, 2023, "31"}, Case{1, 2, 2024, "32"}}) {
    Moment m(c.day, c.month, c.year, 12, 0);
    m.engine.DayOfYear();
    EXPECT_EQ(m["DOY"], c.shown) << c.day << "." << c.month << "." << c.year;
  }
}

}  // namespace tessaly
