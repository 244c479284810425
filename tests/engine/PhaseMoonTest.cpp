#include <gtest/gtest.h>

#include "engine/PhaseDateText.h"

namespace tessaly {

TEST(PhaseDateText, RoundsToTheSecondAndDropsLeadingZeros) {
  const double april15 = 40283;  // 15.4.2010 as days since 30.12.1899
  auto at = [&](double h, double m, double s) { return april15 + (h * 3600 + m * 60 + s) / 86400; };
  EXPECT_EQ(phaseDateText(at(21, 24, 59.7)), "15.4.2010 21:25");
  EXPECT_EQ(phaseDateText(at(21, 24, 59.4)), "15.4.2010 21:24");
  EXPECT_EQ(phaseDateText(at(23, 59, 59.8)), "16.4.2010 0:0");
  EXPECT_EQ(phaseDateText(at(9, 2, 0)), "15.4.2010 9:2");
  EXPECT_EQ(phaseDateText(0), "30.12.1899 0:0");
  EXPECT_EQ(phaseDateText(60), "28.2.1900 0:0");
  EXPECT_EQ(phaseDateText(-1.25), "28.12.1899 18:0");
  EXPECT_EQ(phaseDateText(-36521.5), "1.1.1800 12:0");
}

}  // namespace tessaly
