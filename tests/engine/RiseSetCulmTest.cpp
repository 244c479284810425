// Rise and set where the Moon grazes the horizon near a pole: an azimuth
// that would leave the circle is held to the hour in which the crossing was
// found, and azimuths either side of north are joined through north.
#include <gtest/gtest.h>

#include <string>

#include "engine/NumberReading.h"
#include "tests/engine/Moment.h"

namespace tessaly {
namespace {

using testing::Moment;

struct Place {
  double day, month, year;
  float zone;
  int longitude, longitudeMinutes;  // degrees east; negative west
  int latitude, latitudeMinutes;    // degrees north
  double azimuthShift;
};

void riseSetCulm(Moment& m, const Place& p) {
  m.fields.setText("LongMin", std::to_string(p.longitudeMinutes));
  m.fields.setText("LatMin", std::to_string(p.latitudeMinutes));
  m.state.AzimShift = p.azimuthShift;
  m.engine.RISESETCULM();
}

Moment at(const Place& p) { return Moment(p.day, p.month, p.year, 12, p.zone, p.longitude, p.latitude); }

// The set sample at 19:00 lies between altitude 0 and the threshold: the
// straight line to 0 ran on for almost three hours, to 21:42 at -1112.8.
TEST(RiseSetCulm, GrazingSetIsHeldToItsHour) {
  const Place p{1, 8, 2021, 8, 116, 22, 74, 8, -180};
  Moment m = at(p);
  riseSetCulm(m, p);
  EXPECT_EQ(m["SetHour"] + ":" + m["SetMin"] + " " + m["SAzim"], "19:0 -175.8");
  // The rise after the dip runs four minutes back out of its hour too, but
  // its azimuth stays on the circle, and so it keeps the line's values.
  EXPECT_EQ(m["RiseHour"] + ":" + m["RiseMin"] + " " + m["RAzim"], "18:56 -176.8");
}

// Rise azimuth 376.7 from the same straight line run back before the hour.
TEST(RiseSetCulm, GrazingRiseIsHeldToItsHour) {
  const Place p{23, 11, 2094, 2, 35, 15, 68, 14, 0};
  Moment m = at(p);
  riseSetCulm(m, p);
  EXPECT_EQ(m["RiseHour"] + ":" + m["RiseMin"] + " " + m["RAzim"], "12:0 353.1");
}

// Samples either side of north gave 127.3, the long way round through east.
TEST(RiseSetCulm, SetBetweenSamplesEitherSideOfNorthLiesNearNorth) {
  const Place p{6, 8, 2064, -10, -145, 58, 63, 40, 0};
  Moment m = at(p);
  riseSetCulm(m, p);
  EXPECT_EQ(m["SetHour"] + ":" + m["SetMin"] + " " + m["SAzim"], "18:38 357.6");
}

// A year of high northern latitudes in every reference: each azimuth shown
// within the reference's range, each time within the day.
TEST(RiseSetCulm, HighLatitudeAzimuthsStayInTheirReference) {
  struct Reference {
    double shift, low, high;
  };
  for (const Reference r : {Reference{0, 0, 360}, Reference{180, 0, 360}, Reference{-180, -180, 180}})
    for (int latitude : {60, 64, 68, 72})
      for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 28; ++day) {
          const Place p{double(day), double(month), 2021, 2, 30, 15, latitude, 0, r.shift};
          Moment m = at(p);
          riseSetCulm(m, p);
          const std::string date = std::to_string(day) + "." + std::to_string(month) + " at " +
                                   std::to_string(latitude) + "N: ";
          for (const char* hour : {"RiseHour", "SetHour"}) {
            if (m[hour] != "-") {
              EXPECT_LE(readNumber(m[hour]).value, 24) << date << hour;
            }
          }
          for (const char* azimuth : {"RAzim", "SAzim"}) {
            if (m[azimuth] == "-") continue;
            const double a = readNumber(m[azimuth]).value;
            EXPECT_TRUE(a >= r.low && a <= r.high) << date << azimuth << " " << m[azimuth];
          }
        }
}

}  // namespace
}  // namespace tessaly
