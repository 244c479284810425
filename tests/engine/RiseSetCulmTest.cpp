#include <gtest/gtest.h>

#include "Moment.h"

namespace tessaly {

using testing::Moment;

constexpr const char* kRows[4][3] = {{"RiseHour", "RiseMin", "RAzim"},
                                     {"SetHour", "SetMin", "SAzim"},
                                     {"CulmHour(0)", "CulmMin(0)", "ATransit(0)"},
                                     {"CulmHour(1)", "CulmMin(1)", "ATransit(1)"}};

// Two days after new moon at 45 N 30 E, zone 2: moonrise in the morning a
// little north of east, moonset in the evening. The azimuth reference moves
// the rise and set azimuths only.
TEST(RiseSetCulm, OrdinaryDayInEachAzimuthReference) {
  struct Case {
    double shift;
    const char *rise, *set;
  };
  for (const Case& c : {Case{0, "87.2", "276.7"}, Case{180, "267.2", "96.7"},
                        Case{-180, "-92.8", "96.7"}}) {
    Moment m(15, 3, 2021, 12, 2);
    m.state.AzimShift = c.shift;
    m.engine.RISESETCULM();
    const char* expected[4][3] = {
        {"7", "22", c.rise}, {"20", "11", c.set}, {"13", "41", "48.2"}, {"1", "20", "-44.2"}};
    for (int row = 0; row < 4; ++row)
      for (int col = 0; col < 3; ++col)
        EXPECT_EQ(m[kRows[row][col]], expected[row][col]) << kRows[row][col] << " " << c.shift;
  }
}

// At the poles the Moon's altitude is its declination, a few degrees north
// on this date: above the horizon all day at 90 N, below it at 90 S.
TEST(RiseSetCulm, PolesHaveNeitherRiseNorSet) {
  for (double latitude : {90.0, -90.0}) {
    Moment m(15, 3, 2021, 12, 0, 30, latitude);
    m.engine.RISESETCULM();
    for (int row = 0; row < 2; ++row)
      for (const char* field : kRows[row]) EXPECT_EQ(m[field], "-") << field << " " << latitude;
  }
}

}  // namespace tessaly
