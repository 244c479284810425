// One rule for --set in both modes: its text is the field's last word,
// unless another option owns the field, which is then a usage error naming
// both. And a fault of the program below is never taken for a usage error.
#include <gtest/gtest.h>

#include <regex>
#include <stdexcept>

#include "app/UsageError.h"
#include "tests/support/CliRun.h"
#include "tests/support/TempConfigHome.h"

namespace tessaly::cli {
namespace {

using testing::runCli;

// Every test runs with a settings folder of its own, never the user's.
const testing::TempConfigHome kHome;

const std::string kPlace = "--lon 13:24E --lat 52:31N ";
const std::string kMoment = kPlace + "--date 1.7.2026 --time 12:00 ";
const std::string kZone = kMoment + "--zone 2 ";
const std::string kBerlin = kMoment + "--tz Europe/Berlin ";
const std::string kRange = kPlace + "--from 1.1.2026 --days 2 ";

struct SetCase {
  std::string arguments;
  int status;
  const char* shown;  // a part of standard output (status 0) or standard error
};

const SetCase kSetCases[] = {
    // One moment in a fixed zone: every input box takes its text.
    {kZone + "--set DateDay=abc", 2, "Uncorrect input Day!"},
    {kZone + "--set Timezon=9 --json", 0, "\"Timezon\": \"9\""},
    {kZone + "--set LongGrad=10abc --json", 0, "\"LongGrad\": \"10\""},
    // One moment in a named zone: the zone is the offset in force at the
    // options' moment, and the texts then stand as typed, whether a date is
    // given or not.
    {kBerlin + "--set DateDay=abc", 2, "Uncorrect input Day!"},
    {kPlace + "--tz Europe/Berlin --set DateDay=abc", 2, "Uncorrect input Day!"},
    {kBerlin + "--set TimeHour=25", 2, "Uncorrect input Hours!"},
    {kBerlin + "--set DateMonth=1 --json", 0, "\"DateMonth\": \"1\",\n  \"DateYear\": \"2026\""},
    {kBerlin + "--set LongGrad=10abc --json", 0, "\"LongGrad\": \"10\""},
    {kBerlin + "--set Timezon=9", 64, "--set Timezon conflicts with --tz"},
    {kBerlin + "--zone 2", 64, "--tz conflicts with --zone"},
    // The almanac: its rows own the date and time, a named zone the zone.
    {kRange + "--zone 2 --set Timezon=3 --format json", 0, "\"Timezon\":\"3\""},
    {kRange + "--zone 2 --set DateDay=5", 64, "--set DateDay conflicts with --from"},
    {kPlace + "--zone 2 --events --format grid --year 2026 --set TimeSec=5", 64, "--set TimeSec conflicts with --year"},
    {kRange + "--zone 2 --set LatMin=60", 2, "Uncorrect input Latitude!"},
    {kRange + "--tz Europe/Berlin --set Timezon=3", 64, "--set Timezon conflicts with --tz"},
    {kRange + "--tz Europe/Berlin --set LongGrad=10abc --format json", 0, "\"LongGrad\":\"10\""},
    // Only the boxes one types into.
    {kZone + "--set JulianDate=1", 64, "--set FIELD takes one of: DateDay"},
    {kRange + "--zone 2 --set List1=1", 64, "--set FIELD takes one of: DateDay"},
};

TEST(CliSet, OneRuleInBothModes) {
  for (const SetCase& c : kSetCases) {
    const auto run = runCli(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
    EXPECT_NE((c.status == 0 ? run.out : run.err).find(c.shown), std::string::npos)
        << c.arguments << "\n" << run.out << run.err;
  }
}

// Every field the refusal offers is taken, and the help names the same.
TEST(CliSet, TheHelpNamesTheFieldsThatAreTaken) {
  const std::string refusal = runCli("--set X=1").err;
  const std::size_t from = refusal.find(": DateDay") + 2;
  const std::string list = refusal.substr(from, refusal.find(" (see") - from);
  const std::regex name("[A-Za-z]+");
  const std::vector<std::string> fields(std::sregex_token_iterator(list.begin(), list.end(), name), {});
  EXPECT_EQ(fields.size(), 12u) << list;
  std::string help = runCli("--help").out;
  std::erase(help, '\n');
  for (const std::string& field : fields) {
    const auto run = runCli(kZone + "--set " + field + "=1");
    EXPECT_TRUE(run.status == 0 || run.status == 2) << field << ": " << run.err;
    EXPECT_NE(help.find(" " + field + " "), std::string::npos) << field;
  }
}

// The command line turns into a usage error only a lower layer's refusal
// of a text; a lookup that fails inside the program stays what it is.
TEST(CliUsage, OnlyARefusedTextIsAUsageError) {
  EXPECT_THROW(readOption([]() -> int { throw std::invalid_argument("--step takes"); }), UsageError);
  EXPECT_THROW(readOption([]() -> int { throw std::logic_error("no window element X"); }), std::logic_error);
}

}  // namespace
}  // namespace tessaly::cli
