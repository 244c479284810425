#include <gtest/gtest.h>

#include "tests/engine/Moment.h"

namespace tessaly {

using testing::Moment;

// Moonrise on 15.3.2021 at 45 N 30 E, zone 2, minute by minute through the
// three refraction formulas.
TEST(MainCalc, RefractionAroundTheHorizon) {
  struct Case { double minute; const char *altitude, *apparent; };
  for (const Case& c : {Case{18, "-0.7", "--------"}, Case{21, "-0.2", "0.3"},
                        Case{24, "0.3", "0.7"}, Case{51, "5", "5.2"}}) {
    Moment m(15, 3, 2021, 7 + c.minute / 60, 2);
    m.engine.MAINCALC();
    EXPECT_EQ(m["AltTrue"], c.altitude) << c.minute;
    EXPECT_EQ(m["AltApp"], c.apparent) << c.minute;
  }
}

}  // namespace tessaly
