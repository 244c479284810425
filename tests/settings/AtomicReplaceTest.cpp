// The file replacement's own failure value, and its way round a system
// without the folder that names unnamed files.
#include "settings/AtomicReplace.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "tests/support/TempConfigHome.h"

namespace fs = std::filesystem;
using namespace tessaly;
using tessaly::testing::TempConfigHome;

namespace {

constexpr std::string_view kContent = "Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 0 \r\n";

void expectFailure(const std::optional<ReplaceFailure>& failure, ReplaceStep step, int error) {
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->step, step);
  EXPECT_EQ(failure->error, error);
}

}  // namespace

// With /proc unmounted every save once failed: the unnamed temporary file
// could not be given a name. A named one takes its place.
TEST(AtomicReplace, WithoutTheDescriptorFolderANamedTemporaryIsUsed) {
  const TempConfigHome home;
  home.writeSettings("old\r\n");
  const fs::path folder = home.settingsFile().parent_path();
  const auto failure = replaceFile(home.settingsFile(), kContent, {.descriptorFolder = folder / "no-proc"});
  EXPECT_FALSE(failure.has_value()) << static_cast<int>(failure->step) << " " << failure->error;
  EXPECT_EQ(home.readSettings(), kContent);
  EXPECT_EQ(home.namesInFolder(), std::vector<std::string>{"tessaly.ini"});
}

// The step that failed and its error number, for the caller to report (a
// write that fails part-way is tested through the window's save).
TEST(AtomicReplace, FailureNamesTheStepAndTheErrorNumber) {
  const TempConfigHome home;
  const fs::path folder = home.settingsFile().parent_path();
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
  expectFailure(replaceFile(folder / "fifo", kContent), ReplaceStep::CheckFile, 0);
  expectFailure(replaceFile(folder, kContent), ReplaceStep::CheckFile, 0);
  fs::create_symlink("loop", folder / "loop");
  expectFailure(replaceFile(folder / "loop", kContent), ReplaceStep::FollowLink, ELOOP);
  std::ofstream(folder / "plain") << "a file, no folder";
  expectFailure(replaceFile(folder / "plain" / "tessaly.ini", kContent), ReplaceStep::CreateFolder, ENOTDIR);
}

