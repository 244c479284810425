#include <gtest/gtest.h>

#include <cmath>

#include "Moment.h"

namespace tessaly {

// The obliquity at the epoch of the series; right ascension and declination
// against the same rotation written with atan2 and asin, which need no
// quadrant correction.
TEST(MoonEcl, EquatorialPlaceFromTheEclipticPlace) {
  testing::Moment m(1, 1, 2000, 12, 0);
  const ObservationState& s = m.state;
  m.state.TCent = 0;
  m.engine.MoonEcl();
  EXPECT_EQ(s.Obliq, 23.4523);
  int negativeCosine = 0;
  for (double t = -2; t <= 2; t += 0.00137) {
    m.state.TCent = t;
    m.engine.MoonEcl();
    const double lambda = s.MoonLon * s.Rad, beta = s.MoonLat * s.Rad, eps = s.Obliq * s.Rad;
    const double ra = std::atan2(std::sin(lambda) * std::cos(eps) - std::sin(eps) * std::tan(beta),
                                 std::cos(lambda)) / s.Rad;
    const double dec = std::asin(std::sin(beta) * std::cos(eps) +
                                 std::cos(beta) * std::sin(eps) * std::sin(lambda)) / s.Rad;
    SCOPED_TRACE(t);
    ASSERT_NEAR(s.MoonRA, (ra < 0 ? ra + 360 : ra) / 15, 1e-9);
    ASSERT_NEAR(s.MoonDec, dec, 1e-9);
    ASSERT_LT(s.MoonLon, 360);
    ASSERT_GT(s.MoonLon, -10);
    ASSERT_NEAR(s.MoonPar, 0.96, 0.07);
    if (std::cos(lambda) < 0) {
      ++negativeCosine;
      ASSERT_GE(s.MoonRA, 6);
      ASSERT_LE(s.MoonRA, 18);
    }
  }
  EXPECT_GT(negativeCosine, 100);
}

}  // namespace tessaly
