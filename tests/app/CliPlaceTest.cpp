// Places on the command line: --place as the lon, lat and tz it stands for,
// --places as a list, refusals by status, and the zone the window was saved
// linked to.
#include <gtest/gtest.h>

#include "tests/support/CliRun.h"
#include "tests/support/TempConfigHome.h"

namespace tessaly::cli {
namespace {

using testing::runCli;

// Every test runs with a settings folder of its own, never the user's.
const testing::TempConfigHome kHome;

constexpr const char* kMoment = "--date 1.7.2026 --time 12:00 --json";

TEST(CliPlace, APlaceIsItsCoordinatesAndNamedZoneAndGivenOptionsWin) {
  const auto place = runCli(std::string("--place berl ") + kMoment);
  ASSERT_EQ(place.status, 0) << place.err;
  EXPECT_EQ(place.out, runCli(std::string("--lon 13:25E --lat 52:31N --tz Europe/Berlin ") + kMoment).out);
  EXPECT_EQ(runCli(std::string("--place Berlin --lat 10:00S --zone 5 ") + kMoment).out,
            runCli(std::string("--lon 13:25E --lat 10:00S --zone 5 ") + kMoment).out);
  const auto almanac = runCli("--place 'New York' --from 1.7.2026 --days 2 --fields date,zone,rise");
  EXPECT_EQ(almanac.out, runCli("--lon 74:00W --lat 40:43N --tz America/New_York --from 1.7.2026 --days 2 "
                                "--fields date,zone,rise").out);
}

// The gazetteer's order is its own tests' subject; here the line and the refusal.
TEST(CliPlace, ListsMatchesOnePerLineAndAnUnknownPlaceIsOneLineWithStatus64) {
  const auto list = runCli("--places Berl");
  ASSERT_EQ(list.status, 0);
  EXPECT_EQ(list.out.substr(0, list.out.find('\n')), "Berlin\tBerlin\tGermany\t52:31N\t13:25E\tEurope/Berlin");
  EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 4);
  for (const char* option : {"--place", "--places"}) {
    const auto run = runCli(std::string(option) + " Qwxzzq");
    EXPECT_EQ(run.status, 64);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, std::string("tessaly-cli: ") + option +
                           ": no place \"Qwxzzq\" in the gazetteer (see tessaly-cli --help)\n");
  }
  EXPECT_EQ(runCli("--place").status, 64);
}

TEST(CliPlace, TheSavedLinkedZoneCountsUnlessAZoneIsGiven) {
  testing::TempConfigHome home;
  const std::string line = "Ost, 13  25  0  52  31  0  1  1000 Azimuth, 0 \r\n";
  home.writeSettings(line + "zone=Europe/Berlin\r\n");
  const auto linked = runCli(kMoment);
  EXPECT_EQ(linked.out, runCli(std::string("--tz Europe/Berlin ") + kMoment).out);
  EXPECT_NE(linked.out.find("\"Timezon\": \"2\""), std::string::npos);
  EXPECT_EQ(runCli(std::string("--zone 1 ") + kMoment).out.find("\"Timezon\": \"2\""), std::string::npos);
  home.writeSettings(line);
  EXPECT_NE(runCli(kMoment).out.find("\"Timezon\": \"1\""), std::string::npos);
}

}  // namespace
}  // namespace tessaly::cli
