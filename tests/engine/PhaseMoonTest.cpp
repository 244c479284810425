#include <gtest/gtest.h>

#include "Moment.h"
#include "PhaseDateText.h"

namespace tessaly {

using testing::Moment;

// Mostly January and February 2021, zone 0. The observed phases were: last
// quarter 6.1 9:37, new moon 13.1 5:00, first quarter 20.1 21:02, full moon
// 28.1 19:16, last quarter 4.2 17:37, new moon 11.2 19:06 (UT).
TEST(PhaseMoon, EachQuarterOfTheLunationPicksItsTwoPhases) {
  struct Case {
    double day, month, year;
    float zone;
    const char *phase1, *date1, *phase2, *date2;
  };
  for (const Case& c : {
           Case{16, 1, 2021, 0, "New Moon", "13.1.2021 5:2", "1 Quarter", "20.1.2021 21:3"},
           Case{24, 1, 2021, 0, "1 Quarter", "20.1.2021 21:3", "Full Moon", "28.1.2021 19:18"},
           Case{1, 2, 2021, 0, "Full Moon", "28.1.2021 19:18", "3 Quarter", "4.2.2021 17:38"},
           Case{8, 2, 2021, 0, "3 Quarter", "4.2.2021 17:38", "New Moon", "11.2.2021 19:8"},
           // 16.1 0h UT again, in zone +3: the quarter passes local midnight.
           Case{16, 1, 2021, 3, "New Moon", "13.1.2021 8:2", "1 Quarter", "21.1.2021 0:3"},
           // Before 1900 the lunation number is negative and still rounds down.
           Case{22, 6, 1850, 0, "1 Quarter", "16.6.1850 22:23", "Full Moon", "24.6.1850 14:11"},
       }) {
    Moment m(c.day, c.month, c.year, c.zone, c.zone);
    m.engine.MAINCALC();
    SCOPED_TRACE(m["JulianDate"]);
    EXPECT_EQ(m["Phase1"], c.phase1);
    EXPECT_EQ(m["DatePhase1"], c.date1);
    EXPECT_EQ(m["Phase2"], c.phase2);
    EXPECT_EQ(m["DatePhase2"], c.date2);
  }
}

TEST(PhaseMoon, AgeBeforeTheNewMoonOfTheEstimatedLunation) {
  // Five hours before the new moon the estimate already names its lunation.
  Moment m(13, 1, 2021, 0, 0);
  m.engine.MAINCALC();
  EXPECT_EQ(m["DatePhase1"], "13.1.2021 5:2");
  EXPECT_GT(m.state.MoonAge, 29.3);
  EXPECT_LT(m.state.MoonAge, 29.5306);
}

// Any caption but the exact English one gives the Russian names.
TEST(PhaseMoon, NamesAreRussianUnlessTheCaptionIsEnglish) {
  Moment m(8, 2, 2021, 0, 0);
  m.fields.setText("Label25", "moon phases");
  m.engine.MAINCALC();
  EXPECT_EQ(m["Phase1"], "3 четверть");
  EXPECT_EQ(m["Phase2"], "Новолуние");
}

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
