#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Moment.h"
#include "WholeNumber.h"

namespace tessaly {

TEST(WholeNumber, IntFixAndCInt) {
  struct Case {
    double x, cint, floor, fix;
  };
  for (const Case& c : {Case{58.5, 58, 58, 58}, Case{59.5, 60, 59, 59}, Case{-2.5, -2, -3, -2},
                        Case{-3.5, -4, -4, -3}, Case{0.5, 0, 0, 0}, Case{2.7, 3, 2, 2},
                        Case{-3, -3, -3, -3}}) {
    EXPECT_EQ(CInt(c.x), c.cint) << c.x;
    EXPECT_EQ(Int(c.x), c.floor) << c.x;
    EXPECT_EQ(Fix(c.x), c.fix) << c.x;
  }
}

TEST(NumericHelpers, Kepler) {
  testing::Moment m(1, 1, 2000, 12, 0);
  const double e = 0.0167086;
  for (double M : {0.0, 3.1415926535, std::numbers::pi, 1.0, 3.0, 6.0}) {
    m.state.MeanAnom = M;
    m.engine.Kepler();
    const double E = m.state.EccAnom;
    EXPECT_LE(std::fabs(E - e * std::sin(E) - M), 1e-7) << M;
    EXPECT_EQ(m.state.ScratchV, E - e * std::sin(E) - M) << M;
    if (M == 0 || std::fabs(M - std::numbers::pi) < 1e-9) {
      EXPECT_EQ(E, M);  // E = M already solves the equation: no correction
    }
  }
}

TEST(NumericHelpers, UnAtnCompletesEveryQuadrant) {
  testing::Moment m(1, 1, 2000, 12, 0);
  struct Case {
    double y, x, add;
  };
  for (const Case& c : {Case{1, 1, 0}, Case{1, -1, 180}, Case{-1, -1, 180},
                        Case{-1, 1, 360}, Case{0, 1, 0}, Case{0, -1, 180}}) {
    m.state.AtnNum = c.y;
    m.state.AtnDen = c.x;
    m.state.AtnAdd = -1;
    m.engine.UnAtn();
    EXPECT_EQ(m.state.AtnAdd, c.add) << c.y << ", " << c.x;
  }
}

}  // namespace tessaly
