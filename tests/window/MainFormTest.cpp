// Scripted sessions on the window model with a fake clock: modes, ticks,
// intervals, azimuth reference and languages.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "tests/support/TempConfigHome.h"
#include "tests/support/ValueFields.h"
#include "window/Headless.h"

namespace tessaly {
namespace {

constexpr ElementName kLockedInRealTime[] = {"Command2", "LongGrad", "LongMin", "List1",
                                                  "List2",    "LatGrad",  "LatMin",  "Timezon"};

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f.clock.set(9, 12, 2026, 9, 5, 3);
    f.form.Form_Load();
  }
  WindowModel& model() { return f.form.model(); }
  testing::TempConfigHome home;
  HeadlessForm f;
};

// The initial texts are checked by the start-up tests, the captions by the
// window's own.
TEST_F(MainFormTest, StartsTrackingAndManualUnlocksTheLocation) {
  EXPECT_TRUE(model().checked("me1_2") && model().checked("me1_12"));
  EXPECT_FALSE(f.form.state().AzimShift.has_value());
  // Rise, set and culminations are computed at start; the rest waits for the
  // first tick.
  EXPECT_NE(model().text("RAzim"), "-124");
  EXPECT_EQ(model().text("JulianDate"), "2455325.25874");
  for (bool manual : {false, true, false}) {
    model().setSelected(manual ? ElementName("Option2") : ElementName("Option1"), true);
    EXPECT_EQ(model().selected("Option1"), !manual);
    EXPECT_EQ(model().timerRunning(), !manual);
    for (auto field : kLockedInRealTime) EXPECT_EQ(model().enabled(field), manual) << field;
  }
}

// A toolkit may deliver timer events while a modal box is open.
TEST_F(MainFormTest, NoTickRunsInsideTheMessageBoxOfAnother) {
  struct ReentrantMessages : MessageSink {
    MainForm* form = nullptr;
    int shown = 0;
    void showMessage(std::string_view) override {
      ++shown;
      form->Timer1_Timer();
    }
  } reentrant;
  MainForm form(f.clock, reentrant, f.exit);
  reentrant.form = &form;
  form.Form_Load();
  form.model().setText("Timezon", "13");
  form.Timer1_Timer();
  EXPECT_EQ(reentrant.shown, 1);
}

TEST_F(MainFormTest, AzimuthItemsRewriteRiseAndSetAtOnceButNotTheCurrentAzimuth) {
  model().setSelected("Option2", true);
  model().setTexts({{"DateDay", "6"}, {"DateMonth", "12"}, {"DateYear", "2026"},
                    {"TimeHour", "21"}, {"TimeMin", "30"}, {"TimeSec", "0"}});
  f.form.Command2_Click();
  ASSERT_EQ(model().text("RAzim"), "118.9");
  ASSERT_EQ(model().text("AzimTrue"), "341.6");

  f.form.me1_13_Click();
  EXPECT_EQ(model().text("RAzim"), "298.9");
  EXPECT_EQ(model().text("SAzim"), "58.6");
  EXPECT_EQ(model().text("AzimTrue"), "341.6");
  EXPECT_TRUE(model().checked("me1_13") && !model().checked("me1_12"));
  f.form.me1_14_Click();
  EXPECT_EQ(model().text("RAzim"), "-61.1");
  f.form.Command2_Click();
  EXPECT_EQ(model().text("AzimTrue"), "161.6");
}

// The entries and phase names themselves are checked against the
// transcribed captions.
TEST_F(MainFormTest, LanguageSwitchKeepsWestChosen) {
  model().selectEntry("List1", 1);
  f.form.me1_10_Click();
  EXPECT_EQ(model().topEntry("List1"), 1);
  f.form.Timer1_Timer();
  EXPECT_LT(f.form.state().ObsLong, 0);
}

// Ticks restarted by an interval item overwrote the date typed in manual
// mode, and one that failed its check with Manual selected never stopped.
TEST_F(MainFormTest, IntervalChosenInManualLeavesTheTicksStopped) {
  model().setSelected("Option2", true);
  f.form.me1_4_Click();
  EXPECT_FALSE(model().timerRunning());
  EXPECT_EQ(f.form.state().TimerMs, 5000);
  EXPECT_TRUE(model().checked("me1_4"));
  EXPECT_FALSE(model().checked("me1_2"));

  model().setText("LatGrad", "91");
  f.form.Timer1_Timer();  // one already on its way
  EXPECT_EQ(f.messages.shown, std::vector<std::string>{"Uncorrect input Latitude!"});
  EXPECT_FALSE(model().timerRunning());
  model().setText("LatGrad", "45");
  model().setSelected("Option1", true);
  EXPECT_EQ(model().timerInterval(), 5000);
}

constexpr ElementName kPhases[] = {"Phase1", "DatePhase1", "Phase2", "DatePhase2"};

std::vector<std::string> texts(const WindowModel& m, std::span<const ElementName> fields) {
  std::vector<std::string> out;
  for (auto field : fields) out.push_back(m.text(field));
  return out;
}

TEST_F(MainFormTest, TickAcrossMidnightLeavesRiseSetAndCulminations) {
  f.clock.set(9, 12, 2026, 23, 59, 59);
  f.form.Timer1_Timer();
  const auto before = texts(model(), testing::riseSetCulmFields());
  f.clock.set(10, 12, 2026, 0, 0, 1);
  f.form.Timer1_Timer();
  EXPECT_EQ(model().text("DateDay"), "10");
  EXPECT_EQ(texts(model(), testing::riseSetCulmFields()), before);
}

// Rise, set, culminations and phases of today at once, as Calculate gives them.
TEST_F(MainFormTest, ChoosingRealTimeRecomputesPhasesRiseAndSetAtOnce) {
  model().setSelected("Option2", true);
  const auto calculate = [this](const char* day, const char* year) {
    model().setTexts({{"DateDay", day}, {"DateMonth", "12"}, {"DateYear", year},
                      {"TimeHour", "9"}, {"TimeMin", "5"}, {"TimeSec", "3"}});
    f.form.Command2_Click();
    return std::pair{texts(model(), testing::riseSetCulmFields()), texts(model(), kPhases)};
  };
  const auto today = calculate("9", "2026");
  ASSERT_NE(calculate("1", "2015"), today);
  model().setSelected("Option1", true);
  EXPECT_EQ(std::pair(texts(model(), testing::riseSetCulmFields()), texts(model(), kPhases)), today);
}

}  // namespace
}  // namespace tessaly
