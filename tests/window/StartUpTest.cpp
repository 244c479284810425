// Start-up from the settings file and saving it again, also when the file is
// unreadable or huge: the window always starts tracking, and a failed save
// leaves the old file as it was.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/support/FullDisk.h"
#include "tests/support/TempConfigHome.h"
#include "tests/support/ValueFields.h"
#include "window/Headless.h"

namespace tessaly {
namespace {

namespace fs = std::filesystem;
using testing::TempConfigHome;

constexpr const char* kSaved = "Ost, 10  0  1  50  0  1  1  3000 Azimuth, 180 \r\n";

struct Session : HeadlessForm {
  Session() {
    clock.set(9, 12, 2026, 21, 0, 0);
    form.Form_Load();
  }
  WindowModel& model() { return form.model(); }
  bool startedWithInitialWindow() {
    return model().text("Town") == "Varnholm" && model().text("Timezon") == "2" &&
           model().timerInterval() == 1000 && model().timerRunning();
  }
};

TEST(StartUp, SaveThenRestartRestoresEverySavedField) {
  TempConfigHome home;
  {
    Session s;
    s.model().setSelected("Option2", true);
    s.model().setTexts({{"Town", "Ust Kut"}, {"LongGrad", "105"}, {"LongMin", "45.5"},
                        {"LatGrad", "56"}, {"LatMin", "0.25"}, {"Timezon", "-8.5"}});
    s.model().selectEntry("List1", 1);
    s.model().selectEntry("List2", 1);
    s.form.me1_4_Click();
    s.form.me1_14_Click();
    s.form.me1_10_Click();
    s.form.me1_7_Click();
    EXPECT_TRUE(s.messages.shown.empty());
  }
  const std::string saved = "Ust Kut, 105  45.5  1  56  .25  1 -8.5  5000 Азимут,-180 \r\n";
  EXPECT_EQ(home.readSettings(), saved);
  Session s;
  EXPECT_EQ(s.model().text("LongMin"), "45.5");
  EXPECT_EQ(s.model().timerInterval(), 5000);
  EXPECT_TRUE(s.model().checked("me1_4"));
  s.form.me1_7_Click();  // every field restored: saving again writes the same line
  EXPECT_EQ(home.readSettings(), saved);
}

TEST(StartUp, AzimuthOffsetsRestoreTheirMarks) {
  TempConfigHome home;
  Session().form.me1_7_Click();  // an offset never chosen is saved as an empty field
  EXPECT_EQ(home.readSettings(), "Varnholm, 30  15  0  45  0  0  2  1000 Azimuth,\r\n");
  struct Reference { const char* offset; ElementName item; };
  for (auto [offset, item] : {Reference{"", "me1_12"}, {" 180 ", "me1_13"}, {" 90 ", "me1_14"}}) {
    const std::string line = std::string("Varnholm, 30  15  0  45  0  0  2  1000 Azimuth,") + offset + "\r\n";
    home.writeSettings(line);
    Session s;
    EXPECT_TRUE(s.model().checked(item)) << offset;
    EXPECT_EQ(s.form.state().azimuthOffset(), std::atof(offset));  // an empty offset counts as 0
    s.form.me1_7_Click();  // and stays empty: it was never set
    EXPECT_EQ(home.readSettings(), line);
  }
}

TEST(StartUp, BadFilesNeverStopTheStart) {
  TempConfigHome home;
  const std::string files[] = {
      "Varnholm, 30  15  0  45  0  0  2  0 Azimuth, 0 \r\n",      // interval 0 -> 1000
      "Varnholm, 30  15  0  45  0  0  1e300  1000 Azimuth, 0 \r\n",  // zone beyond single range
      "Varnholm, 30  15  7  45  0  0  2  1000 Azimuth, 0 \r\n",    // no such list entry
      "Varnholm, 30  15  0  45  0  0  2  5 Azimuth, 0 \r\n",      // would tick 200 times a second
      "Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 1.8E+307 \r\n",  // azimuths of "INF"
      std::string("\xff\xfe\x00\x01", 4),
      std::string(70000, 'T') + ", 10  0  1  50  0  1  1  3000 Azimuth, 180 \r\n",  // cut short
      "Ost, 10  0  1  50  0  1  1  3000 ",  // ends before the marker: nothing applied
  };
  for (const auto& bytes : files) {
    home.writeSettings(bytes);
    Session s;
    EXPECT_TRUE(s.startedWithInitialWindow()) << bytes.substr(0, 80);
    s.form.Timer1_Timer();
    EXPECT_EQ(testing::badValueField(s.model()), "") << bytes.substr(0, 80);
  }
}

// Saving once copied the unreadable file's permissions to the new file, so
// the settings saved were lost at the next start.
TEST(SettingsFaults, UnreadableFileStartsTheInitialWindowAndSavingMakesItReadable) {
  TempConfigHome home;
  home.writeSettings(kSaved);
  fs::permissions(home.settingsFile(), fs::perms::none);
  Session s;
  if (::geteuid() != 0) {
    EXPECT_TRUE(s.startedWithInitialWindow());  // root reads it all the same
  }
  s.model().setText("Town", "Saved");
  s.form.me1_7_Click();
  EXPECT_TRUE(s.messages.shown.empty());
  constexpr auto kOwnerReadWrite = fs::perms::owner_read | fs::perms::owner_write;
  EXPECT_EQ(fs::status(home.settingsFile()).permissions() & kOwnerReadWrite, kOwnerReadWrite);
  EXPECT_EQ(Session().model().text("Town"), "Saved");
}

// The write stops part-way, as on a full disk: the file-size limit makes it
// fail after a few bytes, for root too.
TEST(SettingsFaults, SaveCutOffPartWayKeepsTheOldFile) {
  TempConfigHome home;
  home.writeSettings(kSaved);
  Session s;
  s.model().setText("Town", std::string(200, 'x'));

  {
    const testing::FullDisk full(16);
    ASSERT_TRUE(full.ok());
    s.form.me1_7_Click();
  }

  ASSERT_EQ(s.messages.shown.size(), 1u);
  EXPECT_TRUE(s.messages.shown[0].starts_with("Cannot save settings"));
  EXPECT_TRUE(s.model().timerRunning());
  EXPECT_EQ(home.readSettings(), kSaved);
  EXPECT_EQ(home.namesInFolder(), std::vector<std::string>{"tessaly.ini"});  // no temporary file left
  s.form.me1_7_Click();  // with room again the save goes through
  EXPECT_EQ(Session().model().text("Town"), std::string(200, 'x'));
}

// Paris, France once came back as the town "Paris" with every later field
// one place along, and a line break lost them all.
TEST(SettingsFaults, TownWithACommaAndALineBreakSavedAndRestarted) {
  TempConfigHome home;
  home.writeSettings(kSaved);
  Session().form.me1_7_Click();
  const std::string saved = home.readSettings();
  {
    Session s;
    s.model().setText("Town", "Paris, France\r\n");
    EXPECT_EQ(s.model().text("Town"), "Paris France");
    s.form.me1_7_Click();
  }
  Session s;
  EXPECT_EQ(s.model().text("Town"), "Paris France");
  EXPECT_EQ(s.model().timerInterval(), 3000);
  s.model().setText("Town", "Ost");
  s.form.me1_7_Click();
  EXPECT_EQ(home.readSettings(), saved);  // every other field as it was
}

// A save killed after naming its temporary file leaves it beside the file;
// the next start removes it once the process that made it has ended.
TEST(StartUp, RemovesTemporariesOfSavesThatDied) {
  TempConfigHome home;
  const pid_t ended = ::fork();
  if (ended == 0) ::_exit(0);
  ::waitpid(ended, nullptr, 0);
  const std::string dead = ".tessaly.ini.tmp-" + std::to_string(ended) + "-0";
  const std::string running = ".tessaly.ini.tmp-" + std::to_string(::getpid()) + "-7";
  for (const auto& name : {dead, running}) std::ofstream(home.settingsFile().parent_path() / name) << "x";
  Session s;
  EXPECT_EQ(home.namesInFolder(), std::vector<std::string>{running});
}

}  // namespace
}  // namespace tessaly
