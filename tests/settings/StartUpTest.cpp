// Start-up from the settings file and saving it again.
#include <gtest/gtest.h>

#include "Fakes.h"
#include "TempConfigHome.h"

namespace tessaly {
namespace {

using testing::FormFixture;
using testing::TempConfigHome;

struct Session : FormFixture {
  Session() {
    clock.set(9, 12, 2026, 21, 0, 0);
    form.Form_Load();
  }
  WindowModel& model() { return form.model(); }
};

TEST(StartUp, SaveThenRestartRestoresEverySavedField) {
  TempConfigHome home;
  {
    Session s;
    s.model().setSelected("Option2", true);
    s.model().setText("Town", "Ust, Kut");
    s.model().setText("LongGrad", "105");
    s.model().setText("LongMin", "45.5");
    s.model().selectEntry("List1", 1);
    s.model().setText("LatGrad", "56");
    s.model().setText("LatMin", "48");
    s.model().selectEntry("List2", 1);
    s.model().setText("Timezon", "-8.5");
    s.form.me1_4_Click();
    s.form.me1_14_Click();
    s.form.me1_10_Click();
    s.form.me1_7_Click();
    EXPECT_TRUE(s.messages.shown.empty());
  }
  // The comma in the town ends the first field: the rest reads as a number.
  EXPECT_EQ(home.readSettings(), "Ust, Kut, 105  45.5  1  56  48  1 -8.5  5000 Азимут,-180 \r\n");
  home.writeSettings("Ust Kut, 105  45.5  1  56  48  1 -8.5  5000 Азимут,-180 \r\n");
  Session s;
  EXPECT_EQ(s.model().text("Town"), "Ust Kut");
  EXPECT_EQ(s.model().text("LongGrad"), "105");
  EXPECT_EQ(s.model().text("LongMin"), "45.5");
  EXPECT_EQ(s.model().topEntry("List1"), 1);
  EXPECT_EQ(s.model().entries("List1")[1], "Зап.");
  EXPECT_EQ(s.model().text("LatMin"), "48");
  EXPECT_EQ(s.model().topEntry("List2"), 1);
  EXPECT_EQ(s.model().text("Timezon"), "-8.5");
  EXPECT_EQ(s.model().timerInterval(), 5000);
  EXPECT_TRUE(s.model().checked("me1_4"));
  EXPECT_FALSE(s.model().checked("me1_2"));
  EXPECT_TRUE(s.model().checked("me1_14"));
  EXPECT_EQ(s.form.state().AzimShift, -180);
  EXPECT_EQ(s.model().text("Label25"), "Фазы Луны");
  EXPECT_FALSE(s.model().enabled("LongGrad"));
}

TEST(StartUp, DefaultsRoundTripWithZeroMinutesShownAsZero) {
  TempConfigHome home;
  Session().form.me1_7_Click();
  EXPECT_EQ(home.readSettings(), "Varnholm, 30  15  0  45  0  0  2  1000 Azimuth,\r\n");
  Session s;
  EXPECT_EQ(s.model().text("LatMin"), "0");
  EXPECT_EQ(s.model().text("Label25"), "Moon Phases");
  EXPECT_EQ(s.form.state().AzimShift, 0);  // an empty offset reads as 0
  EXPECT_TRUE(s.model().checked("me1_12"));
}

TEST(StartUp, AzimuthOffsetsRestoreTheirMarks) {
  TempConfigHome home;
  const std::pair<const char*, const char*> cases[] = {
      {" 0 ", "me1_12"}, {" 180 ", "me1_13"}, {"-180 ", "me1_14"}, {" 90 ", "me1_14"}};
  for (auto [offset, item] : cases) {
    home.writeSettings(std::string("Varnholm, 30  15  0  45  0  0  2  1000 Azimuth,") + offset + "\r\n");
    Session s;
    EXPECT_TRUE(s.model().checked(item)) << offset;
    EXPECT_EQ(s.form.state().AzimShift, std::stod(offset));
  }
}

TEST(StartUp, FileCutShortBeforeTheMarkerKeepsTheInitialWindow) {
  TempConfigHome home;
  home.writeSettings("Ost, 10  0  1  50  0  1  1  3000 ");
  Session s;
  EXPECT_EQ(s.model().text("Town"), "Varnholm");
  EXPECT_EQ(s.model().text("LongGrad"), "30");
  EXPECT_EQ(s.form.state().TimerMs, 3000);  // read, but the timer keeps 1000 ms
  EXPECT_EQ(s.model().timerInterval(), 1000);
  EXPECT_TRUE(s.model().checked("me1_2"));
  EXPECT_TRUE(s.model().timerRunning());
}

TEST(StartUp, BadFilesNeverStopTheStart) {
  TempConfigHome home;
  const std::string files[] = {
      "Varnholm, 30  15  0  45  0  0  2  0 Azimuth, 0 \r\n",      // interval 0 -> 1000
      "Varnholm, 30  15  0  45  0  0  1e300  1000 Azimuth, 0 \r\n",  // zone beyond single range
      "Varnholm, 30  15  7  45  0  0  2  1000 Azimuth, 0 \r\n",    // no such list entry
      std::string("\xff\xfe\x00\x01", 4),
  };
  for (const auto& bytes : files) {
    home.writeSettings(bytes);
    Session s;
    EXPECT_EQ(s.form.state().TimerMs, 1000) << bytes;
    EXPECT_TRUE(s.model().timerRunning());
    for (auto field : {"Timezon", "LongGrad", "RAzim"})
      EXPECT_EQ(s.model().text(field).find("inf"), std::string::npos) << field;
  }
}

TEST(StartUp, ASaveThatCannotBeWrittenSaysSoAndKeepsRunning) {
  TempConfigHome home;
  std::filesystem::create_directory(home.settingsFile());  // a folder in the file's place
  Session s;
  s.form.me1_7_Click();
  ASSERT_EQ(s.messages.shown.size(), 1u);
  EXPECT_TRUE(s.messages.shown[0].starts_with("Cannot save settings"));
  EXPECT_TRUE(s.model().timerRunning());
  EXPECT_EQ(s.exit.ended, 0);
}

}  // namespace
}  // namespace tessaly
