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

// A moment on the place's date, prepared as Calculate prepares it
// (returned as a prvalue: the engine refers to the moment's own fields).
Moment at(const Place& p) { return Moment(p.day, p.month, p.year, 12, p.zone, p.longitude, p.latitude); }

void riseSetCulm(Moment& m, const Place& p) {
  m.fields.setText("LongMin", std::to_string(p.longitudeMinutes));
  m.fields.setText("LatMin", std::to_string(p.latitudeMinutes));
  m.state.AzimShift = p.azimuthShift;
  m.engine.RISESETCULM();
}

// "H:M azimuth" of the rise and of the set on the place's date.
struct RiseAndSet { std::string rise, set; };
RiseAndSet riseAndSet(const Place& p) {
  Moment m = at(p);
  riseSetCulm(m, p);
  return {m["RiseHour"] + ":" + m["RiseMin"] + " " + m["RAzim"], m["SetHour"] + ":" + m["SetMin"] + " " + m["SAzim"]};
}

TEST(RiseSetCulm, GrazingAndNorthernCrossingsAsMended) {
  // The set sample at 19:00 lies between altitude 0 and the threshold: the
  // line to 0 ran on almost three hours, to 21:42 at -1112.8. The rise after
  // the dip runs four minutes back out of its hour too, but its azimuth
  // stays on the circle, so it keeps the line's values.
  const RiseAndSet grazingSet = riseAndSet({1, 8, 2021, 8, 116, 22, 74, 8, -180});
  EXPECT_EQ(grazingSet.set, "19:0 -175.8");
  EXPECT_EQ(grazingSet.rise, "18:56 -176.8");
  // The line run back before the hour gave 10:54 at 376.7.
  EXPECT_EQ(riseAndSet({23, 11, 2094, 2, 35, 15, 68, 14, 0}).rise, "12:0 353.1");
  // Samples either side of north gave 127.3, the long way round through east.
  EXPECT_EQ(riseAndSet({6, 8, 2064, -10, -145, 58, 63, 40, 0}).set, "18:38 357.6");
}

// A year of high northern latitudes in every reference: each azimuth shown
// within the reference's range, each time within the day.
TEST(RiseSetCulm, HighLatitudeAzimuthsStayInTheirReference) {
  struct Reference { double shift, low, high; };
  for (const Reference r : {Reference{0, 0, 360}, Reference{180, 0, 360}, Reference{-180, -180, 180}})
    for (int latitude : {60, 64, 68, 72})
      for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 28; ++day) {
          const Place p{double(day), double(month), 2021, 2, 30, 15, latitude, 0, r.shift};
          Moment m = at(p);
          riseSetCulm(m, p);
          const std::string date = std::to_string(day) + "." + std::to_string(month) + " at " +
                                   std::to_string(latitude) + "N: ";
          for (const char* field : {"RiseHour", "SetHour", "RAzim", "SAzim"}) {
            if (m[field] == "-") continue;
            const double v = readNumber(m[field]).value;
            EXPECT_TRUE(std::string(field).ends_with("Hour") ? v <= 24 : v >= r.low && v <= r.high)
                << date << field << " " << m[field];
          }
        }
}

}  // namespace
}  // namespace tessaly
