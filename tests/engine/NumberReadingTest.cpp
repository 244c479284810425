#include "engine/NumberReading.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tessaly {

TEST(NumberReading, LongestLeadingNumberOrZero) {
  const std::pair<const char*, double> cases[] = {
      {"12:30", 12}, {"1 5", 15}, {"\t1\n2 . 5", 12.5}, {"28abc", 28}, {"+3", 3}, {".5", 0.5},
      {"5.", 5}, {"-.5", -0.5}, {"1.2.3", 1.2}, {"-0", 0}, {"", 0}, {"-", 0}, {".", 0},
      {"-.", 0}, {"abc", 0}, {"--5", 0}, {",5", 0}, {"E5", 0},
      // Exponents with E or D; a letter without digits ends the number.
      {"1D2", 100}, {"1E+2", 100}, {"2.5d-1", 0.25}, {"3e2x", 300}, {"1e", 1}, {"1E+", 1},
      // Whole numbers in hexadecimal and octal.
      {"&H1F", 31}, {"&hff", 255}, {"&O17", 15}, {"&O19", 1}, {"&H", 0}, {"&X1", 0}};
  for (const auto& [text, value] : cases) {
    const NumberReading r = readNumber(text);
    EXPECT_EQ(r.value, value) << '"' << text << '"';
    EXPECT_FALSE(r.overflow) << '"' << text << '"';
  }
}

TEST(NumberReading, BeyondTheDoubleRange) {
  for (const char* text : {"1e400", "-1e400", "1D400", "1E+400"})
    EXPECT_TRUE(readNumber(text).overflow) << text;
  EXPECT_TRUE(readNumber("&H" + std::string(300, 'F')).overflow);
  EXPECT_FALSE(readNumber("1.5e308").overflow);
  const std::string zeros(400, '0');
  for (const std::string& text : {"1" + zeros, "0." + zeros + "1E+800", "-" + zeros + "9" + zeros})
    EXPECT_TRUE(readNumber(text).overflow) << text.size();
  // Too small to hold is simply zero, in every written form.
  for (const std::string& text : {std::string("1e-401"), std::string("-1E-400"), std::string("1D-400"),
                                  "0." + zeros + "1", "-." + zeros + "1", "0." + zeros + "1E+5",
                                  "1" + zeros + "E-800", std::string("0.1e-99999999999999999999")}) {
    EXPECT_FALSE(readNumber(text).overflow) << text.size() << text.substr(text.size() - 6);
    EXPECT_EQ(readNumber(text).value, 0) << text.size();
  }
}

}  // namespace tessaly
