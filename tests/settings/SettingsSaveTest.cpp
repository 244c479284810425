// Saving the settings file: whole at every moment, also when saves are
// killed, run at once, meet a full disk or find something odd in its place.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "settings/SettingsFile.h"
#include "tests/support/FullDisk.h"
#include "tests/support/TempConfigHome.h"

namespace fs = std::filesystem;
using namespace tessaly;
using tessaly::testing::TempConfigHome;

namespace {

constexpr const char* kExampleLine = "Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 0 \r\n";
const std::string kLongLine = std::string(3000, 'T') + kExampleLine;

// The exit status of a child process, or -1 when it did not exit.
int exitStatus(pid_t child) {
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The settings folder takes no new file, so saves rewrite the file in place.
// Root may write anywhere: then the folder and file are given to nobody and
// the saves run as nobody.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const TempConfigHome& home) : folder_(home.settingsFile().parent_path()) {
    if (::geteuid() == 0) {
      EXPECT_EQ(::chown(folder_.c_str(), kNobody, kNobody), 0);
      EXPECT_EQ(::chown(home.settingsFile().c_str(), kNobody, kNobody), 0);
    }
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  }
  ~ReadOnlyFolder() { fs::permissions(folder_, fs::perms::owner_all); }

  // Runs the save in a child process that may not add a file to the folder;
  // the child exits with 0 when the save succeeded.
  static pid_t startSave(const std::function<bool()>& save) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(2);
    ::_exit(save() ? 0 : 1);
  }

 private:
  static constexpr uid_t kNobody = 65534;
  fs::path folder_;
};

}  // namespace

// A dotfile manager's link stays, and the file it points to gets the line.
TEST(SettingsSave, ThroughASymbolicLink) {
  const TempConfigHome home;
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

// A FIFO or device in the file's place (or at the end of its link) once
// became a regular file; it is refused, as the reader refuses it.
TEST(SettingsSave, NoRegularFileInItsPlaceIsRefusedAndKept) {
  const TempConfigHome home;
  const fs::path fifo = home.settingsFile().parent_path() / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const fs::path& path : {fifo, home.settingsFile()}) {
    if (path == home.settingsFile()) fs::create_symlink("fifo", path);
    std::string error;
    EXPECT_FALSE(writeSettingsFile(path, kExampleLine, &error));
    EXPECT_NE(error.find("no regular file"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_fifo(fifo));
  }
  EXPECT_EQ(home.namesInFolder(), (std::vector<std::string>{"fifo", "tessaly.ini"}));
}

// The first save makes the folder. Saves killed at random moments: the file
// is always one of the lines, whole, and the next save leaves nothing else
// in the folder.
TEST(SettingsSave, KilledSavesLeaveACompleteFileAndNoTemporaryOne) {
  const TempConfigHome home;
  const std::string lines[] = {kExampleLine, std::string(5000, 'T') + kExampleLine};
  fs::remove(home.settingsFile().parent_path());
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

// Another save holds the folder's lock: this one waits for it, so that no
// two saves tidy or replace at once.
TEST(SettingsSave, WaitsForASaveInProgress) {
  const TempConfigHome home;
  home.writeSettings(kExampleLine);
  const int folder = ::open(home.settingsFile().parent_path().c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(::flock(folder, LOCK_EX), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(folder);  // the lock stays with the parent's descriptor alone
    ::_exit(writeSettingsFile(home.settingsFile(), kLongLine, nullptr) ? 0 : 1);
  }
  ::usleep(300'000);
  EXPECT_TRUE(home.readSettings() == kExampleLine);
  ::close(folder);
  EXPECT_EQ(exitStatus(child), 0);
  EXPECT_TRUE(home.readSettings() == kLongLine);
}

// A line longer than start-up reads was once saved, and the next start lost
// every setting: it is refused and the old file kept.
TEST(SettingsSave, LineLongerThanStartUpReadsIsRefused) {
  const TempConfigHome home;
  home.writeSettings(kExampleLine);
  const std::string tooLong = std::string(kLongestSettingsLine + 1, 'T') + kExampleLine;
  std::string error;
  EXPECT_FALSE(writeSettingsFile(home.settingsFile(), tooLong, &error));
  EXPECT_EQ(error, "start-up would not read the line back whole");
  EXPECT_TRUE(home.readSettings() == kExampleLine);
  const std::string longest = std::string(kLongestSettingsLine, 'T') + "\r\n";
  EXPECT_TRUE(writeSettingsFile(home.settingsFile(), longest, &error)) << error;
  EXPECT_TRUE(home.readSettings() == longest);
}

// A writable file in a folder that takes no new file is rewritten in place.
// Two saves in place at once once cut each other's line short, so that the
// next start fell back to the defaults while both reported success.
TEST(SettingsSaveInPlace, SavesAtOnceLeaveOneWholeLine) {
  const TempConfigHome home;
  home.writeSettings(kExampleLine);
  const ReadOnlyFolder readOnly(home);
  for (int round = 0; round < 10; ++round) {
    pid_t savers[2];
    for (int n = 0; n < 2; ++n)
      savers[n] = ReadOnlyFolder::startSave([&, n] {
        bool saved = true;
        for (int save = 0; save < 10; ++save)
          saved = writeSettingsFile(home.settingsFile(), n == 0 ? kExampleLine : kLongLine, nullptr) && saved;
        return saved;
      });
    for (pid_t saver : savers) ASSERT_EQ(exitStatus(saver), 0);
    const std::string now = home.readSettings();
    ASSERT_TRUE(now == kExampleLine || now == kLongLine) << round << ": " << now.size();
  }
}

// A save in place that met a full disk once left the start of the new line
// over the old one. The file-size limit stands for the full disk, for root
// too.
TEST(SettingsSaveInPlace, FullDiskKeepsTheOldLine) {
  const TempConfigHome home;
  home.writeSettings(kExampleLine);
  const ReadOnlyFolder readOnly(home);
  const pid_t saver = ReadOnlyFolder::startSave([&] {
    const tessaly::testing::FullDisk full(1000);
    return full.ok() && writeSettingsFile(home.settingsFile(), kLongLine, nullptr);
  });
  EXPECT_EQ(exitStatus(saver), 1);
  EXPECT_TRUE(home.readSettings() == kExampleLine) << home.readSettings().size();
}
