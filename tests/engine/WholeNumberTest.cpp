#include <gtest/gtest.h>

#include "engine/WholeNumber.h"

namespace tessaly {

TEST(WholeNumber, IntFixAndCInt) {
  struct Case { double x, cint, floor, fix; };
  for (const Case& c : {Case{58.5, 58, 58, 58}, Case{59.5, 60, 59, 59}, Case{-2.5, -2, -3, -2},
                        Case{-3.5, -4, -4, -3}, Case{0.5, 0, 0, 0}, Case{2.7, 3, 2, 2},
                        Case{-3, -3, -3, -3}}) {
    EXPECT_EQ(CInt(c.x), c.cint) << c.x;
    EXPECT_EQ(Int(c.x), c.floor) << c.x;
    EXPECT_EQ(Fix(c.x), c.fix) << c.x;
  }
}

}  // namespace tessaly
