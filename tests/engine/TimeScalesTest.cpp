#include <gtest/gtest.h>

#include "tests/engine/Moment.h"

namespace tessaly {

using testing::Moment;

// The century years 1700, 1800, 1900 and 2100 are not leap years.
TEST(TimeScales, DayOfYearAroundLeapDays) {
  struct Case { double day, month, year; const char* shown; };
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
