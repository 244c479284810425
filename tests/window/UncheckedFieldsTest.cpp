// The handlers that run the engine on what no check has passed: an azimuth
// item reads the place and zone fields as they stand and uses the date of a
// refused Calculate; real-time tracking uses the zone a refused Calculate
// stored. Whatever was typed, they end, and the fields they write show
// numbers, dashes or dates. (Cases found by fuzzing.)
#include <gtest/gtest.h>

#include "tests/support/TypedWindow.h"
#include "tests/support/ValueFields.h"

namespace tessaly {
namespace {

using testing::badRiseSetCulmField;
using testing::isPhaseDate;
using testing::TypedWindow;

// A refused day leaves a month of eleven digits in the record; the azimuth
// item searches that "date" for rise and set. It once never ended.
TEST(UncheckedFields, AzimuthItemOnTheDateOfARefusedCalculate) {
  TypedWindow w;
  w.calculate({{"DateDay", ""}, {"DateMonth", "22222221000"}});
  ASSERT_EQ(w.messages.shown, std::vector<std::string>{"Uncorrect input Day!"});
  w.form.me1_13_Click();
  EXPECT_EQ(badRiseSetCulmField(w.m()), "");
}

// A zone beyond the single-precision range cannot be stored: the search
// stops before its first sample and the twelve fields keep their texts. It
// once stored an infinite zone that the next real-time start turned into
// not-a-number phase dates.
TEST(UncheckedFields, ZoneBeyondTheSingleRangeLeavesRiseAndSetAsTheyWere) {
  TypedWindow w;
  w.calculate({});
  const std::string rise = w.m().text("RiseHour"), set = w.m().text("SAzim");
  w.m().setText("Timezon", "23d50");
  w.form.me1_13_Click();
  EXPECT_EQ(w.m().text("RiseHour") + " " + w.m().text("SAzim"), rise + " " + set);
  EXPECT_EQ(w.form.state().TZone, 2.0f);
  w.m().setSelected("Option1", true);
  EXPECT_TRUE(isPhaseDate(w.m().text("DatePhase1"))) << w.m().text("DatePhase1");
}

// A zone refused by Calculate but within the single range stays in the
// record; choosing real-time tracking computes phases and rise and set with
// it. Phase dates some 10^29 years away once overflowed the date conversion.
TEST(UncheckedFields, RealTimeStartedWithTheZoneOfARefusedCalculate) {
  for (const char* zone : {"3e38", "-3e38", "777777777777777"}) {
    TypedWindow w;
    w.calculate({{"Timezon", zone}});
    ASSERT_EQ(w.messages.shown, std::vector<std::string>{"Uncorrect input Timezone!"}) << zone;
    w.m().setSelected("Option1", true);
    for (ElementName field : {ElementName("DatePhase1"), ElementName("DatePhase2")})
      EXPECT_TRUE(isPhaseDate(w.m().text(field))) << zone << ": " << w.m().text(field);
    EXPECT_EQ(badRiseSetCulmField(w.m()), "") << zone;
    w.form.Timer1_Timer();  // the tick refuses the zone and goes back to manual
    EXPECT_TRUE(w.m().selected("Option2"));
  }
}

}  // namespace
}  // namespace tessaly
