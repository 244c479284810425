// The places where the altitude and azimuth formulas divide by zero or take
// the root of a negative number: Calculate and ticks complete there and every
// value field shows a number or its dash text.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "engine/NumberReading.h"
#include "engine/NumberText.h"
#include "tests/support/TypedWindow.h"
#include "tests/support/ValueFields.h"

namespace tessaly {
namespace {

using testing::badValueField;

// Day, month, year, hour, minute and second, as typed and as the clock reads them.
using Moment = std::array<int, 6>;

struct Window : testing::TypedWindow {
  explicit Window(int reference = 0) { testing::chooseReference(form, reference); }

  // Calculate in Manual; degrees east and north, negative West and South.
  void calculate(const Moment& t, double longitude, double latitude, const std::string& zone) {
    m().setSelected("Option2", true);
    for (int k = 0; k < 6; ++k) m().setText(dateAndTimeFields()[k], std::to_string(t[k]));
    m().selectEntry("List1", longitude < 0);
    m().selectEntry("List2", latitude < 0);
    TypedWindow::calculate({{"LongGrad", numberText(std::fabs(longitude))},
                            {"LatGrad", numberText(std::fabs(latitude))}, {"Timezon", zone}});
  }

  // Real-time tracking from the same place, one tick at the same moment.
  void tick(const Moment& t) {
    clock.set(t[0], t[1], t[2], t[3], t[4], t[5]);
    m().setSelected("Option1", true);
    form.Timer1_Timer();
  }
};

// The poles, the last hundredth of a minute of arc before them, and a
// hundredth beyond, which passes the tick's bound but not Calculate's.
TEST(SingularPlaces, PolesAndAHundredthOfAMinuteAroundThem) {
  for (double latitude : {90.0, 90 - 0.01 / 60, 90 + 0.01 / 60, -90.0, -90 + 0.01 / 60, -90 - 0.01 / 60})
    for (int reference = 0; reference < 3; ++reference) {
      Window w(reference);
      for (int k = 0; k < 30; ++k) {  // every 23 h 17 min through a lunar month
        const int at = k * (23 * 60 + 17);
        const Moment t{1 + at / 1440, 3, 2015, at % 1440 / 60, at % 60, 0};
        SCOPED_TRACE("latitude " + std::to_string(latitude) + ", reference " + std::to_string(reference) +
                     ", step " + std::to_string(k));
        w.calculate(t, 30, latitude, "2");
        if (std::fabs(latitude) > 90) {
          EXPECT_EQ(w.messages.shown, std::vector<std::string>{"Uncorrect input Latitude!"});
          w.messages.shown.clear();
        } else {
          if (std::fabs(latitude) == 90) {
            EXPECT_EQ(w.m().text("AzimTrue"), "- - - - - -");  // no azimuth at a pole
          }
          EXPECT_EQ(badValueField(w.m()), "");
        }
        w.tick(t);
        ASSERT_TRUE(w.messages.shown.empty()) << w.messages.shown[0];
        EXPECT_EQ(badValueField(w.m()), "");
      }
    }
}

// The observer put where the Moon culminates, at the latitude equal to its
// declination, and a hundredth of a minute of arc around it.
TEST(SingularPlaces, MoonInTheZenith) {
  for (const Moment& t : {Moment{15, 3, 2021, 12, 0, 0}, {2, 7, 1987, 12, 0, 0}, {24, 11, 1750, 12, 0, 0}}) {
    Window probe;
    probe.calculate(t, 0, 0, "0");
    // At longitude 0 the local sidereal time is Greenwich's.
    const ObservationState& s = probe.form.state();
    const double longitude = std::remainder(s.MoonRA - s.LST, 24) * 15, declination = s.MoonDec;
    for (double dLong : {-0.01, 0.0, 0.01})
      for (double dLat : {-0.01, 0.0, 0.01}) {
        SCOPED_TRACE(std::to_string(t[2]) + " dLong " + std::to_string(dLong) + " dLat " +
                     std::to_string(dLat));
        Window w;
        w.calculate(t, longitude + dLong / 60, declination + dLat / 60, "0");
        ASSERT_TRUE(w.messages.shown.empty()) << w.messages.shown[0];
        EXPECT_EQ(badValueField(w.m()), "");
        EXPECT_GT(numberOf(w.m().text("AltTrue")), 89.9);
        w.tick(t);
        EXPECT_EQ(badValueField(w.m()), "");
      }
  }
}

}  // namespace
}  // namespace tessaly
