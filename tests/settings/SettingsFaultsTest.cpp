// Start-up and Save settings when the settings file is unreadable, missing
// behind a folder, garbage or huge, or cannot be written: the window always
// starts tracking, and a failed save leaves the old file as it was.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <random>

#include "Fakes.h"
#include "TempConfigHome.h"
#include "ValueFields.h"

namespace tessaly {
namespace {

namespace fs = std::filesystem;
using testing::TempConfigHome;

constexpr const char* kSaved = "Ost, 10  0  1  50  0  1  1  3000 Azimuth, 180 \r\n";

struct Session : testing::FormFixture {
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

std::size_t filesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
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

TEST(SettingsFaults, FolderInTheFilesPlaceStartsTheInitialWindow) {
  TempConfigHome home;
  fs::create_directory(home.settingsFile());
  Session s;
  EXPECT_TRUE(s.startedWithInitialWindow());
  s.form.Timer1_Timer();
  EXPECT_EQ(testing::badValueField(s.model()), "");
}

TEST(SettingsFaults, ReadOnlyFolderKeepsTheOldFileAndTheWindowRunning) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempConfigHome home;
  home.writeSettings(kSaved);
  const fs::path folder = home.settingsFile().parent_path();
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  Session s;
  s.model().setText("Town", "Elsewhere");
  s.form.me1_7_Click();
  fs::permissions(folder, fs::perms::owner_all);
  ASSERT_EQ(s.messages.shown.size(), 1u);
  EXPECT_TRUE(s.messages.shown[0].starts_with("Cannot save settings"));
  EXPECT_EQ(home.readSettings(), kSaved);
  EXPECT_EQ(filesIn(folder), 1u);
  EXPECT_TRUE(s.model().timerRunning());
}

// The write stops part-way, as on a full disk: the file-size limit makes it
// fail after a few bytes, for root too.
TEST(SettingsFaults, SaveCutOffPartWayKeepsTheOldFile) {
  TempConfigHome home;
  home.writeSettings(kSaved);
  Session s;
  s.model().setText("Town", std::string(4096, 'x'));

  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  s.form.me1_7_Click();
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  ASSERT_EQ(s.messages.shown.size(), 1u);
  EXPECT_TRUE(s.messages.shown[0].starts_with("Cannot save settings"));
  EXPECT_EQ(home.readSettings(), kSaved);
  EXPECT_EQ(filesIn(home.settingsFile().parent_path()), 1u);  // no temporary file left
  s.form.me1_7_Click();  // with room again the save goes through
  EXPECT_EQ(Session().model().text("Town"), std::string(4096, 'x'));
}

TEST(SettingsFaults, RandomBytesStartTrackingAndTheFirstTickEndsClean) {
  TempConfigHome home;
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    std::string bytes(random() % (round < 20 ? 200 : 65536), '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    if (round % 4 == 0) bytes.replace(0, std::min<std::size_t>(bytes.size(), 20), "Ost, 10  0  1  50  0 ");
    home.writeSettings(bytes);
    Session s;
    EXPECT_TRUE(s.model().timerRunning());
    s.form.Timer1_Timer();
    if (s.messages.shown.empty()) {
      EXPECT_EQ(testing::badValueField(s.model()), "") << round;
    }
    s.form.me1_7_Click();
    EXPECT_LE(s.messages.shown.size(), 1u);
  }
}

TEST(SettingsFaults, TenMegabyteLineStartsAndSavesBackWhole) {
  TempConfigHome home;
  const std::string town(10u << 20, 'T');
  const std::string line = town + ", 10  0  1  50  0  1  1  3000 Azimuth, 180 \r\n";
  home.writeSettings(line);
  {
    Session s;
    EXPECT_EQ(s.model().text("Town").size(), town.size());
    EXPECT_EQ(s.model().timerInterval(), 3000);
    s.form.me1_7_Click();
    EXPECT_TRUE(s.messages.shown.empty());
  }
  EXPECT_TRUE(home.readSettings() == line);

  home.writeSettings("Ost, 10  0  1  50  0  1 " + std::string(10u << 20, '7') + " 3000 Azimuth, 180 \r\n");
  EXPECT_TRUE(Session().startedWithInitialWindow());  // the zone overflows: a read error
}

// Such a zone once kept the rise and set search subtracting 24 hours for ever.
TEST(SettingsFaults, ZoneFarBeyondTwelveHoursStartsAndTheFirstTickRefusesIt) {
  TempConfigHome home;
  for (const char* zone : {"777777777777777", "1e30", "-3e38"}) {
    home.writeSettings(std::string("Ost, 10  0  1  50  0  1 ") + zone + "  3000 Azimuth, 180 \r\n");
    Session s;
    EXPECT_TRUE(s.model().timerRunning()) << zone;
    s.form.Timer1_Timer();
    ASSERT_EQ(s.messages.shown.size(), 1u) << zone;
    EXPECT_EQ(s.messages.shown[0], "Uncorrect input Timezone!");
    EXPECT_TRUE(s.model().selected("Option2"));
    EXPECT_EQ(s.model().timerInterval(), 0);
  }
}

}  // namespace
}  // namespace tessaly
