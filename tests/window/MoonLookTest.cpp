// The picture's phase, lit side and spoken name from the fraction and age.
#include <gtest/gtest.h>

#include "window/MoonLook.h"

namespace tessaly {
namespace {

struct LookCase {
  double fraction, age;
  bool southern;
  bool litOnRight;
  const char* english;
  const char* russian;
};

constexpr LookCase kCases[] = {
    {3.6, 27.757, false, false, "Waning crescent, 4 % illuminated", "Убывающий серп, освещено 4 %"},
    {3.6, 27.757, true, true, "Waning crescent, 4 % illuminated", "Убывающий серп, освещено 4 %"},
    {20, 4, false, true, "Waxing crescent, 20 % illuminated", "Растущий серп, освещено 20 %"},
    {20, 4, true, false, "Waxing crescent, 20 % illuminated", "Растущий серп, освещено 20 %"},
    {52, 7.4, false, true, "First quarter, 52 % illuminated", "Первая четверть, освещено 52 %"},
    {80, 11, false, true, "Waxing gibbous, 80 % illuminated", "Растущая Луна, освещено 80 %"},
    {99.6, 14.7, false, true, "Full Moon, 100 % illuminated", "Полнолуние, освещено 100 %"},
    {80, 18, false, false, "Waning gibbous, 80 % illuminated", "Убывающая Луна, освещено 80 %"},
    {48, 22, false, false, "Last quarter, 48 % illuminated", "Последняя четверть, освещено 48 %"},
    {0.4, 0.2, false, true, "New Moon, 0 % illuminated", "Новолуние, освещено 0 %"},
    // An age just under a lunation, or below 0 from a text that is no
    // number, is still a place in the lunation.
    {1.5, 29.5, false, false, "New Moon, 2 % illuminated", "Новолуние, освещено 2 %"},
    {10, -25.0, false, true, "Waxing crescent, 10 % illuminated", "Растущий серп, освещено 10 %"},
};

TEST(MoonLookTest, PhaseSideAndNameInBothLanguages) {
  for (const LookCase& c : kCases) {
    const MoonLook look = moonLook(c.fraction, c.age, c.southern);
    EXPECT_EQ(look.litOnRight, c.litOnRight) << c.english << (c.southern ? " south" : " north");
    EXPECT_EQ(lookName(look, Language::English), c.english);
    EXPECT_EQ(lookName(look, Language::Russian), c.russian);
  }
}

// Only a partly lit Moon has a lit side to speak of.
TEST(MoonLookTest, NewAndFullMoonSpeakOfNoLitSide) {
  EXPECT_EQ(lookDescription(moonLook(0.4, 0.2, false), Language::English), "The disk is dark");
  EXPECT_EQ(lookDescription(moonLook(99.6, 14.7, true), Language::Russian), "Диск освещён целиком");
  EXPECT_EQ(lookDescription(moonLook(20, 4, true), Language::English),
            "Lit on the left, as seen from the southern hemisphere");
}

TEST(MoonLookTest, FractionOutsideTheDiskIsHeldToIt) {
  EXPECT_EQ(moonLook(-3, 10, false).litFraction, 0);
  EXPECT_EQ(moonLook(140, 10, false).litFraction, 1);
}

}  // namespace
}  // namespace tessaly
