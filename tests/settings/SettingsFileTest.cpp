// The one-line settings file: its line written and read, where it lives, and
// replacing it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <tuple>

#include "settings/SettingsFile.h"
#include "tests/support/TempConfigHome.h"

namespace fs = std::filesystem;
using namespace tessaly;

namespace {

// The documented example: Varnholm, 30°15' E, 45°0' N, zone 2, 1 s, English, from north.
constexpr const char* kExampleLine = "Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 0 \r\n";
const SettingsValues kExample{.town = "Varnholm", .longDegrees = 30, .longMinutes = 15, .latDegrees = 45,
                              .zone = 2, .timerMs = 1000, .languageMarker = "Azimuth", .azimShift = 0};

auto fields(const SettingsValues& v) {
  return std::tie(v.town, v.longDegrees, v.longMinutes, v.eastWest, v.latDegrees, v.latMinutes,
                  v.northSouth, v.zone, v.timerMs, v.languageMarker, v.azimShift);
}

// Sets an environment variable, or unsets it for nullptr, until the end of the scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace

TEST(SettingsLine, DocumentedExampleWrittenAndRead) {
  EXPECT_EQ(formatSettingsLine(kExample), kExampleLine);
  const SettingsReading r = parseSettingsLine(kExampleLine);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.fieldsRead, 11);
  EXPECT_EQ(fields(r.values), fields(kExample));
}

TEST(SettingsLine, CutShortBeforeFieldTen) {
  const SettingsReading r = parseSettingsLine("Varnholm, 30  15  0  45  0  0  2  5000 \r\n");
  EXPECT_EQ(r.fieldsRead, 9);
  EXPECT_FALSE(r.complete);
  EXPECT_EQ(r.values.zone, 2);
  EXPECT_EQ(r.values.timerMs, 5000);  // kept: field 9 was reached
  EXPECT_FALSE(r.values.azimShift.has_value());
  // A line break there ends the line: the next line is no continuation.
  EXPECT_EQ(parseSettingsLine("Varnholm, 30  15  0  45  0  0  2  1000\nAzimuth, 0 \r\n").fieldsRead, 9);
}

TEST(SettingsLine, TextAfterTheLastFieldIgnored) {
  SettingsReading r =
      parseSettingsLine(std::string(kExampleLine) + "Elsewhere, 1  2  1  3  4  1  5  3000 Азимут, 180 \r\n");
  EXPECT_EQ(fields(r.values), fields(kExample));
  r = parseSettingsLine("Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 0  extra words, 7\r\n");
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(fields(r.values), fields(kExample));
}

// Cyrillic in the Windows code page is decoded; a UTF-8 byte order mark is dropped.
TEST(SettingsLine, Cp1251Decoded) {
  const SettingsReading r = parseSettingsLine(
      "\xCC\xEE\xF1\xEA\xE2\xE0, 37  37  0  55  45  0  3  1000 \xC0\xE7\xE8\xEC\xF3\xF2, 180 \r\n");
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.values.town, "Москва");
  EXPECT_EQ(r.values.languageMarker, "Азимут");
  EXPECT_EQ(parseSettingsLine(std::string("\xEF\xBB\xBF") + kExampleLine).values.town, "Varnholm");
}

// The menu never writes less than a second: a shorter interval would burn a core.
TEST(SettingsLine, TimerIntervalOutOfRangeReadsAsOneSecond) {
  for (const char* interval : {"-5", "70000", "1", "999.4", "0"}) {
    const SettingsReading r =
        parseSettingsLine(std::string("Varnholm, 30  15  0  45  0  0  2 ") + interval + " Azimuth, 0 \r\n");
    EXPECT_TRUE(r.complete) << interval;
    EXPECT_EQ(r.values.timerMs, 1000) << interval;
  }
}

// An offset beyond a full turn is no reference: from 1.8E+307 on, the azimuths
// showed "INF".
TEST(SettingsLine, AzimuthOffsetBeyondAFullTurnIsAReadError) {
  const std::pair<const char*, bool> cases[] = {
      {"360", true}, {"-360", true}, {"360.01", false}, {"1E+300", false}, {"-1.8E+307", false}};
  for (const auto& [offset, read] : cases) {
    const SettingsReading r =
        parseSettingsLine(std::string("Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, ") + offset + " \r\n");
    EXPECT_EQ(r.complete, read) << offset;
    EXPECT_EQ(r.fieldsRead, read ? 11 : 10) << offset;
  }
}

// Fields 4 and 7 must fit 16 bits; reading stops at the first that does not.
TEST(SettingsLine, IndexOutOfRangeIsAReadError) {
  SettingsReading r = parseSettingsLine("Varnholm, 30  15  0  45  0  40000  2  1000 Azimuth, 0 \r\n");
  EXPECT_EQ(r.fieldsRead, 6);
  EXPECT_FALSE(r.complete);
  EXPECT_EQ(r.values.zone, 0);  // nothing after the error is read
  r = parseSettingsLine("Varnholm, 30  15 -32768  45  0  32767  2  1000 Azimuth, 0 \r\n");
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.values.eastWest, -32768);
}

TEST(SettingsPath, FromHomeWhenXdgConfigHomeUnsetEmptyOrRelative) {
  const ScopedEnv home("HOME", "/home/observer");
  for (const char* xdgValue : {static_cast<const char*>(nullptr), "", "relative/config"}) {
    const ScopedEnv xdg("XDG_CONFIG_HOME", xdgValue);
    EXPECT_EQ(settingsFilePath(), fs::path("/home/observer/.config/tessaly.ini"));
  }
}

TEST(SettingsWrite, CreatesTheFolderAndLeavesOnlyTheFile) {
  const tessaly::testing::TempConfigHome home;
  fs::remove(home.settingsFile().parent_path());
  std::string error;
  ASSERT_TRUE(writeSettingsFile(home.settingsFile(), kExampleLine, &error)) << error;
  EXPECT_EQ(home.readSettings(), kExampleLine);
  EXPECT_EQ(home.namesInFolder(), std::vector<std::string>{"tessaly.ini"});
}

// Only the first line is read, and at most 64 KiB of it: a huge file once
// delayed the start by seconds and filled the memory.
TEST(SettingsRead, OnlyTheFirstLineUpTo64KiB) {
  const tessaly::testing::TempConfigHome home;
  home.writeSettings(kExampleLine);
  fs::resize_file(home.settingsFile(), std::uintmax_t{1} << 40);  // a terabyte, none of it on disk
  EXPECT_EQ(readSettingsFile(home.settingsFile()), "Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 0 ");
  home.writeSettings(std::string(kLongestSettingsLine, 'T') + kExampleLine);
  EXPECT_EQ(readSettingsFile(home.settingsFile()), std::string(kLongestSettingsLine, 'T'));
}

// A dotfile manager's link stays, and the file it points to gets the line.
TEST(SettingsWrite, ThroughASymbolicLink) {
  const tessaly::testing::TempConfigHome home;
  const fs::path dotfiles = home.settingsFile().parent_path() / "dotfiles";
  fs::create_directory(dotfiles);
  std::ofstream(dotfiles / "tessaly.ini") << "old";
  fs::create_symlink("dotfiles/tessaly.ini", home.settingsFile());
  std::string error;
  ASSERT_TRUE(writeSettingsFile(home.settingsFile(), kExampleLine, &error)) << error;
  EXPECT_TRUE(fs::is_symlink(home.settingsFile()));
  EXPECT_EQ(home.readSettings(), kExampleLine);
  EXPECT_EQ(std::distance(fs::directory_iterator(dotfiles), {}), 1);
}

// Saves killed at random moments: the file is always one of the lines,
// whole, and the next save leaves nothing else in the folder.
TEST(SettingsWrite, KilledSavesLeaveACompleteFileAndNoTemporaryOne) {
  const tessaly::testing::TempConfigHome home;
  const std::string lines[] = {kExampleLine, std::string(5000, 'T') + kExampleLine};
  ASSERT_TRUE(writeSettingsFile(home.settingsFile(), lines[0], nullptr));
  std::mt19937 random(7);
  pid_t child = 0;
  for (int round = 0; round < 100; ++round) {
    child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
      for (unsigned n = 0;; ++n) writeSettingsFile(home.settingsFile(), lines[n % 2], nullptr);
    ::usleep(static_cast<useconds_t>(random() % 3000));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::string now = home.readSettings();
    ASSERT_TRUE(now == lines[0] || now == lines[1]) << round << ": " << now.size();
  }
  // Left by a save killed after naming it; one of a process still running stays.
  const std::string dead = ".tessaly.ini.tmp-" + std::to_string(child) + "-0";
  const std::string running = ".tessaly.ini.tmp-" + std::to_string(::getpid()) + "-99";
  for (const auto& name : {dead, running}) std::ofstream(home.settingsFile().parent_path() / name) << "x";
  ASSERT_TRUE(writeSettingsFile(home.settingsFile(), lines[0], nullptr));
  EXPECT_EQ(home.namesInFolder(), (std::vector<std::string>{running, "tessaly.ini"}));
}

// A writable file in a folder that takes no new file is rewritten in place
// rather than refused. Root may write anywhere, so the save runs as nobody.
TEST(SettingsWrite, WritableFileInAReadOnlyFolderIsRewrittenInPlace) {
  const tessaly::testing::TempConfigHome home;
  const fs::path folder = home.settingsFile().parent_path();
  home.writeSettings(std::string(200, 'x') + "\r\n");  // longer than the new line
  constexpr uid_t kNobody = 65534;
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(folder.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown(home.settingsFile().c_str(), kNobody, kNobody), 0);
  }
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(2);
    ::_exit(writeSettingsFile(home.settingsFile(), kExampleLine, nullptr) ? 0 : 1);
  }
  int status = -1;
  ::waitpid(child, &status, 0);
  fs::permissions(folder, fs::perms::owner_all);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(home.readSettings(), kExampleLine);
}
