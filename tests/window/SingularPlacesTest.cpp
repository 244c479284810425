// The places where the altitude, azimuth and right-ascension formulas divide
// by zero or take the root of a negative number, and the ends of the accepted
// date range: Calculate and ticks complete there and every value field shows
// a number or its dash text.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Fakes.h"
#include "MemoryFieldStore.h"
#include "NumberReading.h"
#include "NumberText.h"
#include "ValueFields.h"

namespace tessaly {
namespace {

using testing::badValueField;

struct Moment {
  int day, month, year, hour, minute, second;
};

// Degrees with sign as typed: whole degrees, minutes and the list entry.
struct Angle {
  std::string degrees, minutes;
  int entry;  // 1 for West or South
};

Angle angle(double value, double extraMinutes = 0) {
  const double magnitude = std::fabs(value);
  double degrees = std::floor(magnitude);
  double minutes = (magnitude - degrees) * 60 + extraMinutes;
  if (minutes < 0) {
    degrees -= 1;
    minutes += 60;
  }
  return {numberText(degrees), numberText(static_cast<float>(minutes)), value < 0 ? 1 : 0};
}

struct Window : testing::FormFixture {
  Window() { setAngleConstants(form.state()); }
  WindowModel& m() { return form.model(); }

  void type(const Moment& t, const Angle& longitude, const Angle& latitude, const std::string& zone) {
    m().setSelected("Option2", true);
    for (const auto& [field, value] : {std::pair{"DateDay", t.day}, {"DateMonth", t.month},
                                       {"DateYear", t.year}, {"TimeHour", t.hour},
                                       {"TimeMin", t.minute}, {"TimeSec", t.second}})
      m().setText(field, std::to_string(value));
    m().setText("LongGrad", longitude.degrees);
    m().setText("LongMin", longitude.minutes);
    m().selectEntry("List1", longitude.entry);
    m().setText("LatGrad", latitude.degrees);
    m().setText("LatMin", latitude.minutes);
    m().selectEntry("List2", latitude.entry);
    m().setText("Timezon", zone);
  }

  // Real-time tracking from the same place, one tick at the same moment.
  void tickAt(const Moment& t) {
    clock.set(t.day, t.month, t.year, t.hour, t.minute, t.second);
    m().setSelected("Option1", true);
    form.Timer1_Timer();
  }

  void chooseReference(int reference) {
    if (reference == 0) form.me1_12_Click();
    if (reference == 1) form.me1_13_Click();
    if (reference == 2) form.me1_14_Click();
  }
};

TEST(SingularPlaces, PolesAndTheLastMinuteOfArcBeforeThem) {
  struct Latitude {
    const char *degrees, *minutes;
  };
  // 90 degrees 0.01 minutes passes the tick's bound but not Calculate's.
  const Latitude latitudes[] = {{"90", "0"}, {"89", "59"}, {"89", "59.99"}, {"90", "0.01"}};
  for (int south = 0; south <= 1; ++south) {
    for (const Latitude& lat : latitudes) {
      const bool beyondCalculate = std::string(lat.minutes) == "0.01";
      for (int reference = 0; reference < 3; ++reference) {
        Window w;
        w.chooseReference(reference);
        for (int k = 0; k < 30; ++k) {  // every 23 h 17 min through a lunar month
          const int minutes = k * (23 * 60 + 17);
          const Moment t{1 + minutes / 1440, 3, 2015, minutes % 1440 / 60, minutes % 60, 0};
          SCOPED_TRACE(std::string(lat.degrees) + " " + lat.minutes + (south ? " S" : " N") +
                       ", reference " + std::to_string(reference) + ", step " + std::to_string(k));
          w.type(t, angle(30), {lat.degrees, lat.minutes, south}, "2");
          w.form.Command2_Click();
          if (beyondCalculate) {
            ASSERT_EQ(w.messages.shown.size(), 1u);
            EXPECT_EQ(w.messages.shown[0], "Uncorrect input Latitude!");
            w.messages.shown.clear();
          } else {
            ASSERT_TRUE(w.messages.shown.empty()) << w.messages.shown[0];
            EXPECT_EQ(badValueField(w.m()), "");
          }
          w.tickAt(t);
          ASSERT_TRUE(w.messages.shown.empty()) << w.messages.shown[0];
          EXPECT_EQ(badValueField(w.m()), "");
          if (std::string(lat.degrees) == "90" && !beyondCalculate) {
            EXPECT_EQ(w.m().text("AzimTrue"), "- - - - - -");
          }
        }
      }
    }
  }
}

// The observer put where the Moon culminates, at the latitude equal to its
// declination, and a hundredth of a minute of arc around it.
TEST(SingularPlaces, MoonInTheZenith) {
  const Moment moments[] = {{15, 3, 2021, 12, 0, 0}, {2, 7, 1987, 12, 0, 0}, {24, 11, 1750, 12, 0, 0}};
  for (const Moment& t : moments) {
    Window probe;
    probe.type(t, angle(0), angle(0), "0");
    probe.form.Command2_Click();
    const ObservationState& s = probe.form.state();
    // At longitude 0 the sidereal time is Greenwich's: the Moon culminates
    // where the local sidereal time equals its right ascension.
    const double hours = std::remainder(s.MoonRA - s.LST, 24);
    const double declination = s.MoonDec;
    for (double dLong : {-0.01, 0.0, 0.01}) {
      for (double dLat : {-0.01, 0.0, 0.01}) {
        SCOPED_TRACE(std::to_string(t.year) + " dLong " + std::to_string(dLong) + " dLat " + std::to_string(dLat));
        Window w;
        w.type(t, angle(hours * 15, dLong), angle(declination, dLat), "0");
        w.form.Command2_Click();
        ASSERT_TRUE(w.messages.shown.empty()) << w.messages.shown[0];
        EXPECT_EQ(badValueField(w.m()), "");
        EXPECT_GT(numberOf(w.m().text("AltTrue")), 89.9);
        w.tickAt(t);
        EXPECT_EQ(badValueField(w.m()), "");
      }
    }
  }
}

// cos of the ecliptic longitude is the right ascension's divisor: it crosses
// zero at 90 and 270 degrees, where the right ascension is 6 h and 18 h.
TEST(SingularPlaces, EclipticLongitudeOf90And270Degrees) {
  MemoryFieldStore fields;
  ObservationState s;
  Engine engine(s, fields);
  setAngleConstants(s);
  auto moonAt = [&](double t) {
    s.TCent = t;
    engine.MoonEcl();
    return s.AtnDen;  // cos of the longitude
  };
  int crossings = 0;
  for (double t = 1.2; t < 1.3 && crossings < 6; t += 1e-5) {
    if ((moonAt(t) > 0) == (moonAt(t + 1e-5) > 0)) continue;
    double lo = t, hi = t + 1e-5;
    const bool fromPositive = moonAt(lo) > 0;
    for (double mid = (lo + hi) / 2; mid != lo && mid != hi; mid = (lo + hi) / 2)
      ((moonAt(mid) > 0) == fromPositive ? lo : hi) = mid;
    for (double edge : {lo, hi}) {
      moonAt(edge);
      const double expected = std::fabs(s.MoonLon - 90) < 1 ? 6 : 18;
      SCOPED_TRACE("TCent " + std::to_string(edge) + ", longitude " + std::to_string(s.MoonLon));
      EXPECT_NEAR(s.MoonLon, expected * 15, 1e-6);
      ASSERT_TRUE(std::isfinite(s.MoonRA) && std::isfinite(s.MoonDec));
      EXPECT_NEAR(s.MoonRA, expected, 1e-9);
    }
    ++crossings;
  }
  EXPECT_EQ(crossings, 6);
}

TEST(SingularPlaces, EndsOfTheAcceptedRange) {
  struct End {
    Moment t;
    const char* zone;
    const char* julianDate;
  };
  // Local midnight twelve hours east of Greenwich is noon of the day before;
  // a second before midnight twelve hours west is almost noon of the day after.
  const End ends[] = {{{1, 1, 1700, 0, 0, 0}, "12", "2341972"},
                      {{31, 12, 2100, 23, 59, 59}, "-12", "2488434.99999"}};
  const std::pair<double, double> places[] = {{0, 0}, {180, 90}, {-180, -90}, {-179.5, 89.99}};
  for (const End& end : ends) {
    for (auto [longitude, latitude] : places) {
      for (int reference = 0; reference < 3; ++reference) {
        SCOPED_TRACE(std::to_string(end.t.year) + " at " + std::to_string(longitude) + ", " +
                     std::to_string(latitude) + ", reference " + std::to_string(reference));
        Window w;
        w.chooseReference(reference);
        w.type(end.t, angle(longitude), angle(latitude), end.zone);
        w.form.Command2_Click();
        ASSERT_TRUE(w.messages.shown.empty()) << w.messages.shown[0];
        EXPECT_EQ(w.m().text("JulianDate"), end.julianDate);
        EXPECT_EQ(badValueField(w.m()), "");
        w.tickAt(end.t);
        ASSERT_TRUE(w.messages.shown.empty()) << w.messages.shown[0];
        EXPECT_EQ(badValueField(w.m()), "");
      }
    }
  }
}

}  // namespace
}  // namespace tessaly
