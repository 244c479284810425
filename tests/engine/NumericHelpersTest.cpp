#include <gtest/gtest.h>

#include "engine/WholeNumber.h"
#include "tests/engine/Moment.h"

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
