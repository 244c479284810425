// The command-line front end: its options, its JSON and its exit statuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "app/Version.h"
#include "tests/support/CliRun.h"
#include "tests/support/TempConfigHome.h"

namespace tessaly::cli {
namespace {

using testing::runCli;

// Every test runs with a settings folder of its own, never the user's.
const testing::TempConfigHome kHome;

TEST(CliProgram, PrintsEveryFieldAsJsonAndReportsRefusalsByStatus) {
  // A lower-case side and an angle without minutes are read as well.
  const auto ok = runCli("--date 6.12.2026 --time 21:30 --zone 2 --lon 30:15e --lat 45N --json");
  ASSERT_EQ(ok.status, 0);
  const auto j = nlohmann::json::parse(ok.out);
  EXPECT_EQ(j["JulianDate"], "2461381.3125");
  EXPECT_EQ(j["CulmMin(0)"], "38");
  EXPECT_EQ(j["Phase2"], "New Moon");
  EXPECT_TRUE(j["message"].is_null());

  const auto refused = runCli("--date 6.12.2026 --time 21:30 --set Timezon=13 --json");
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(nlohmann::json::parse(refused.out)["message"], "Uncorrect input Timezone!");
  EXPECT_EQ(runCli("--lang fr").status, 64);
  EXPECT_EQ(runCli("--help").status, 0);
  EXPECT_EQ(runCli("--version").out, std::string("tessaly-cli (Tessaly) ") + kVersion + "\n");
}

constexpr const char* kMoment = "--date 6.12.2026 --time 21:30 --zone 2 --lon 30:15E --lat 45:00N";

// Any bytes in any field: an invalid UTF-8 byte once made the JSON writer
// abort the program. Both outputs stay valid UTF-8.
TEST(CliProgram, InvalidUtf8InEveryFieldGivesValidOutput) {
  const char* fields[] = {"DateDay", "DateMonth", "DateYear", "TimeHour", "TimeMin", "TimeSec",
                          "LongGrad", "LongMin", "LatGrad", "LatMin", "Timezon", "Town"};
  const char* bytes[] = {"\xff", "\xc3", "\xed\xa0\x80", "\xc0\xaf", "\xf4\x90\x80\x80"};
  for (std::size_t i = 0; i < std::size(fields); ++i) {
    const std::string set = std::string(kMoment) + " --set '" + fields[i] + "=1" + bytes[i % std::size(bytes)] + "'";
    for (const char* output : {"--json", ""}) {
      const auto run = runCli(set + " " + output);
      EXPECT_TRUE(run.status == 0 || run.status == 2) << fields[i] << output << run.status;
      EXPECT_NO_THROW((void)nlohmann::json(run.out).dump()) << fields[i] << output;
      if (*output) {
        EXPECT_NO_THROW((void)nlohmann::json::parse(run.out).size()) << fields[i];
      }
    }
  }
  const auto run = runCli("--json --date '5\xff.1.2020' --time 1:2 --zone 0 --lon 0E --lat 0N");
  EXPECT_EQ(nlohmann::json::parse(run.out)["DateDay"], "5\uFFFD");
}

// Output that was never written is no success.
TEST(CliProgram, UnwritableOutputIsReportedWithStatus74) {
  for (const std::string& arguments : {std::string(kMoment), kMoment + std::string(" --json"), std::string("--help"),
                                       std::string("--zone 2 --lon 0E --lat 0N --from 1.1.2026 --days 400 --step 1h")}) {
    const auto run = runCli(arguments, ">/dev/full");
    EXPECT_EQ(run.status, 74) << arguments;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

// The window program answers --help and --version without a window, and
// is as careful with its output.
TEST(WindowProgram, UnwritableAnswerIsReportedWithStatus74) {
#ifdef TESSALY_WINDOW
  for (const char* option : {"--version", "--help"}) {
    EXPECT_EQ(testing::runProgram(TESSALY_WINDOW, option).status, 0) << option;
    const auto run = testing::runProgram(TESSALY_WINDOW, option, ">/dev/full");
    EXPECT_EQ(run.status, 74) << option;
    EXPECT_EQ(run.err, "tessaly: cannot write the output: No space left on device\n") << option;
  }
#else
  GTEST_SKIP() << "built without the window";
#endif
}

// The values stand in one column, counted in characters shown, at least two
// blanks after the longest Russian caption.
TEST(CliProgram, RussianColumnsAlignedByCharacters) {
  const auto run = runCli(std::string(kMoment) + " --lang ru");
  ASSERT_EQ(run.status, 0);
  std::istringstream lines(run.out);
  std::set<std::size_t> columns;
  for (std::string line; std::getline(lines, line);) {
    if (!line.starts_with("  ")) continue;
    const std::size_t gap = line.find("  ", 2);
    ASSERT_NE(gap, std::string::npos) << line;
    const std::size_t value = line.find_first_not_of(' ', gap);
    columns.insert(static_cast<std::size_t>(
        std::count_if(line.begin(), line.begin() + static_cast<long>(value), [](char c) { return (c & 0xC0) != 0x80; })));
  }
  EXPECT_EQ(columns.size(), 1u);
}

}  // namespace
}  // namespace tessaly::cli
