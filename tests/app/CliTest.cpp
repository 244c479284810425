// The command-line front end: its options, its JSON and its exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "CliOptions.h"
#include "TempConfigHome.h"
#include "Version.h"

namespace tessaly::cli {
namespace {

struct CliRun {
  int status;
  std::string out;
};

CliRun runCli(const std::string& arguments) {
  const std::string command = std::string(TESSALY_CLI) + " " + arguments + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot start " + command);
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

TEST(CliOptions, AnglesDatesAndTimesBecomeFieldTexts) {
  int entry = -1;
  EXPECT_EQ(angleFields("--lon", "30:15w", "LongGrad", "LongMin", 'E', 'W', entry),
            (FieldTexts{{"LongGrad", "30"}, {"LongMin", "15"}}));
  EXPECT_EQ(entry, 1);
  EXPECT_EQ(angleFields("--lat", "45N", "LatGrad", "LatMin", 'N', 'S', entry),
            (FieldTexts{{"LatGrad", "45"}, {"LatMin", "0"}}));
  EXPECT_EQ(entry, 0);
  EXPECT_EQ(timeFields("9:5"), (FieldTexts{{"TimeHour", "9"}, {"TimeMin", "5"}, {"TimeSec", "0"}}));
  EXPECT_EQ(dateFields("1.2.2003")[2], (std::pair<std::string, std::string>{"DateYear", "2003"}));
  EXPECT_THROW(angleFields("--lon", "30", "LongGrad", "LongMin", 'E', 'W', entry), std::invalid_argument);
  EXPECT_THROW(dateFields("1.2"), std::invalid_argument);
  const char* badSet[] = {"tessaly-cli", "--set", "JulianDate=1"};
  EXPECT_THROW(parseOptions(3, badSet), std::invalid_argument);
}

TEST(CliProgram, PrintsEveryFieldAsJsonAndReportsRefusalsByStatus) {
  testing::TempConfigHome home;
  const CliRun ok = runCli("--date 6.12.2026 --time 21:30 --zone 2 --lon 30:15E --lat 45:00N --json");
  ASSERT_EQ(ok.status, 0);
  const auto j = nlohmann::json::parse(ok.out);
  EXPECT_EQ(j["JulianDate"], "2461381.3125");
  EXPECT_EQ(j["CulmMin(0)"], "38");
  EXPECT_EQ(j["Phase2"], "New Moon");
  EXPECT_TRUE(j["message"].is_null());

  const CliRun refused = runCli("--date 6.12.2026 --time 21:30 --set Timezon=13 --json");
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(nlohmann::json::parse(refused.out)["message"], "Uncorrect input Timezone!");
  EXPECT_EQ(runCli("--lang fr").status, 64);
  EXPECT_EQ(runCli("--help").status, 0);
  EXPECT_EQ(runCli("--version").out, std::string("tessaly-cli (Tessaly) ") + kVersion + "\n");
}

}  // namespace
}  // namespace tessaly::cli
