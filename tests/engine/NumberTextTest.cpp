#include "engine/NumberText.h"

#include <gtest/gtest.h>

namespace tessaly {

TEST(NumberText, PlainFormWithFifteenDigitsForADoubleSevenForASingle) {
  EXPECT_EQ(numberText(0.5), "0.5");
  EXPECT_EQ(numberText(-0.25), "-0.25");
  EXPECT_EQ(numberText(2451545.0), "2451545");
  EXPECT_EQ(numberText(-0.0), "0");
  EXPECT_EQ(numberText(-0.0001), "-0.0001");
  EXPECT_EQ(numberText(0.00002), "2E-05");
  EXPECT_EQ(numberText(0.1 + 0.2), "0.3");
  EXPECT_EQ(numberText(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(numberText(1.0f / 3), "0.3333333");
  EXPECT_EQ(numberText(59.99f), "59.99");
  // The same single shown as a double keeps its binary tail.
  EXPECT_EQ(numberText(5.3f), "5.3");
  EXPECT_EQ(numberText(double(5.3f)), "5.30000019073486");
}

// Whole numbers take a shorter road up to the last magnitude that %G writes
// without an exponent; decimals theirs up to five places.
TEST(NumberText, ShortRoadsEndWhereTheGeneralFormChanges) {
  EXPECT_EQ(numberText(999999999999999.0), "999999999999999");
  EXPECT_EQ(numberText(-1e15), "-1E+15");
  EXPECT_EQ(numberText(1e14 + 0.5), "100000000000000");
  EXPECT_EQ(numberText(-123456789.12345), "-123456789.12345");
  EXPECT_EQ(numberText(9999999.0f), "9999999");
  EXPECT_EQ(numberText(-1e7f), "-1E+07");
  EXPECT_EQ(numberText(-12.0f), "-12");
}

}  // namespace tessaly
