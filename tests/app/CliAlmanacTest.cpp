// The almanac from the command line: each format against single runs, named
// zones, and every refused range.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>

#include "almanac/Columns.h"
#include "almanac/Csv.h"
#include "engine/MemoryFieldStore.h"
#include "tests/support/CliRun.h"
#include "tests/support/TempConfigHome.h"

namespace tessaly::cli {
namespace {

const std::string kPlace = "--zone 2 --lon 30:15E --lat 45:00N ";

using testing::runCli;

// Every test runs with a settings folder of its own, never the user's.
const testing::TempConfigHome kHome;

std::vector<std::string> lines(const std::string& text) {
  static const std::regex end("\r?\n");
  return {std::sregex_token_iterator(text.begin(), text.end(), end, -1), {}};
}

// Rows 1249 hours apart wander through a year and the hours of the day.
const std::string kRange = kPlace + "--from 1.1.2026 --to 31.12.2026 --step 1249h ";
const std::string kAllColumns =
    "date,time,zone,doy,jd,sid,ra,dec,lon,lat,alt,app,az,frac,age,dist,distpct,diam,rise,riseaz,set,setaz,"
    "culm,culmalt,lculm,lculmalt,phase,next";

// The --json object of the single run of a row's date and time.
nlohmann::json singleRun(const std::string& date, const std::string& time) {
  return nlohmann::json::parse(runCli(kPlace + "--date " + date + " --time " + time + " --json").out);
}

// Splits a CSV line at its commas, a table line at runs of two or more blanks.
std::vector<std::string> cells(const std::string& line, bool csv) {
  static const std::regex comma(","), gap("  +");
  return {std::sregex_token_iterator(line.begin(), line.end(), csv ? comma : gap, -1), {}};
}

TEST(CliAlmanac, EachFormatsRowsAreTheSingleRunsTexts) {
  const std::vector<almanac::Column> columns = almanac::parseColumns(kAllColumns);
  for (const std::string format : {"json", "csv", "table"}) {
    SCOPED_TRACE(format);
    const auto run = runCli(kRange + "--format " + format + (format == "json" ? "" : " --fields " + kAllColumns));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto rows = lines(run.out);
    const std::size_t header = format == "json" ? 0 : format == "csv" ? 1 : 2;
    ASSERT_EQ(rows.size(), header + 8);
    for (std::size_t i = header; i < rows.size(); i += 3) {
      if (format == "json") {
        const auto row = nlohmann::json::parse(rows[i]);
        const auto text = [&row](const char* field) { return row[field].get<std::string>(); };
        EXPECT_EQ(row, singleRun(text("DateDay") + "." + text("DateMonth") + "." + text("DateYear"),
                                 text("TimeHour") + ":" + text("TimeMin") + ":" + text("TimeSec")));
        continue;
      }
      const std::vector<std::string> row = cells(rows[i], format == "csv");
      ASSERT_EQ(row.size(), columns.size()) << rows[i];
      const nlohmann::json object = singleRun(row[0], row[1]);
      MemoryFieldStore single;
      for (const auto& [key, value] : object.items())
        if (value.is_string()) single.setText(key, value.get<std::string>());
      for (std::size_t c = 0; c < columns.size(); ++c)
        EXPECT_EQ(row[c], almanac::columnText(columns[c], single)) << columns[c].key;
    }
  }
}

// On 3.1.2026 the full moon comes at 12:04 here: the window's field says
// "12:4", every output of the almanac "12:04".
TEST(CliAlmanac, PhaseTimesHaveTwoDigitMinutes) {
  const auto single = nlohmann::json::parse(runCli(kPlace + "--date 3.1.2026 --time 0:0 --json --lang en").out);
  EXPECT_EQ(single["DatePhase1"], "3.1.2026 12:4");
  const std::string day = kPlace + "--from 3.1.2026 --days 1 --lang en ";
  EXPECT_EQ(lines(runCli(day + "--events --format csv --fields date,phases").out)[1], "3.1.2026,Full Moon 12:04");
  EXPECT_TRUE(lines(runCli(day + "--events").out)[2].ends_with("Full Moon 12:04"));
  const auto event = nlohmann::json::parse(runCli(day + "--events --format json").out);
  EXPECT_EQ(event["phases"][0]["DatePhase"], "3.1.2026 12:04");
  EXPECT_EQ(lines(runCli(day + "--format csv --fields phase").out)[1], "Full Moon 3.1.2026 12:04");
}

// Kiribati's +14 is accepted from its zone, for ranges and single moments,
// and a row there is the row of the same universal moment at -10 a date
// earlier: every value the same but the zone and the dates (the row's, its
// day of the year, the phases').
TEST(CliAlmanac, FourteenHoursEastIsTenWestADateEarlier) {
  const std::string place = "--lon 157:28W --lat 1:52N ";
  const auto east = lines(runCli(place + "--tz Pacific/Kiritimati --from 2.7.2026 --days 2 --step 7h --json").out);
  const auto west = lines(runCli(place + "--zone -10 --from 1.7.2026 --days 2 --step 7h --json").out);
  ASSERT_EQ(east.size(), 7u);
  ASSERT_EQ(west.size(), 7u);
  for (std::size_t i = 0; i < east.size(); ++i) {
    auto e = nlohmann::json::parse(east[i]), w = nlohmann::json::parse(west[i]);
    EXPECT_EQ(e["Timezon"], "14");
    EXPECT_EQ(std::stoi(e["DOY"].get<std::string>()), std::stoi(w["DOY"].get<std::string>()) + 1);
    EXPECT_EQ(e["DatePhase1"], "30.6.2026 13:58");
    EXPECT_EQ(w["DatePhase1"], "29.6.2026 13:58");
    for (const char* field : {"Timezon", "DateDay", "DateMonth", "DateYear", "DOY", "DatePhase1", "DatePhase2"})
      e.erase(field), w.erase(field);
    EXPECT_EQ(e, w) << i;
  }
  const auto moment =
      nlohmann::json::parse(runCli(place + "--tz Pacific/Kiritimati --date 2.7.2026 --time 5:00 --json").out);
  EXPECT_TRUE(moment["message"].is_null());
  EXPECT_EQ(moment["Timezon"], "14");
}

// Events are calculated at noon unless --time says otherwise: on the day
// New York's clocks go forward the row takes the summer offset, and its rise,
// set and culminations are those of a Calculate at noon in that offset.
TEST(CliAlmanac, EventsOfADateAreThoseOfItsNoon) {
  const std::string place = "--lon 74:00W --lat 40:43N ";
  const auto row = runCli(place + "--tz America/New_York --from 8.3.2026 --days 1 --events --format json");
  ASSERT_EQ(row.status, 0) << row.err;
  const auto events = nlohmann::json::parse(row.out);
  EXPECT_EQ(events["Timezon"], "-4");
  EXPECT_EQ(events["TimeHour"], "12");
  const auto noon = nlohmann::json::parse(runCli(place + "--zone -4 --date 8.3.2026 --time 12:00 --json").out);
  for (const char* field : {"RiseHour", "RiseMin", "SetHour", "SetMin", "SAzim", "CulmHour(0)", "CulmMin(0)"})
    EXPECT_EQ(events[field], noon[field]) << field;
}

// Kwajalein skipped 21.8.1993: no row of events or of moments shows it, and
// none shows the next date twice.
TEST(CliAlmanac, ADateTheZoneSkipsHasNoRow) {
  const std::string range = "--lon 167:44E --lat 8:43N --tz Pacific/Kwajalein --from 19.8.1993 --to 23.8.1993 ";
  for (const char* rows : {"--events --fields date", "--fields date"}) {
    const auto run = runCli(range + rows + " --format csv");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lines(run.out), (std::vector<std::string>{"Date", "19.8.1993", "20.8.1993", "22.8.1993", "23.8.1993"}))
        << rows;
  }
}

// The full moon of 2.4.2026 is at 4:13 summer time in Berlin: rows and a
// single moment of March, in winter time, show it so.
TEST(CliAlmanac, APhaseShowsTheOffsetInForceAtThePhase) {
  const std::string place = "--lon 13:24E --lat 52:31N --tz Europe/Berlin ";
  const auto rows = runCli(place + "--from 28.3.2026 --days 1 --fields zone,next --format csv");
  EXPECT_EQ(lines(rows.out).back(), "1,Full Moon 2.4.2026 4:13");
  const auto moment = nlohmann::json::parse(runCli(place + "--date 28.3.2026 --time 12:00 --json").out);
  EXPECT_EQ(moment["DatePhase2"], "2.4.2026 4:13");
}

struct Refusal {
  std::string arguments;  // after the place and zone of kPlace
  int status;
  const char* message;  // a part of the one line on standard error
};

const Refusal kRefusals[] = {
    {"--from 5.1.2026 --to 1.1.2026", 64, "--to precedes --from"},
    {"--from 1.1.2026 --days 2 --step 0h", 64, "--step must be positive"},
    {"--from 1.1.2026 --days 2 --step 1.5d", 64, "--step takes a whole number"},  // not 36 elapsed hours
    {"--from 1.1.2026 --days 2 --step 99999999999999999999h", 64, "--step is longer than the years"},
    {"--from 31.12.1699 --days 2", 64, "--from reaches outside the years"},
    {"--from 30.12.2100 --days 5", 64, "--days takes a whole number from 1 to 2,"},
    {"--from 1.1.2026 --days 99999999999999999999", 64, "--days takes a whole number from 1 to 27393,"},
    {"--from 1.1.2026 --to 1.1.2101", 64, "--to reaches outside the years"},
    {"--events --format grid --year 1699", 64, "--year reaches outside the years"},
    {"--year 2026", 64, "--year needs --format grid"},
    {"--from 1.1.2026 --days 2 --format grid", 64, "--format grid needs --events"},
    {"--from 1.1.2026 --days 2 --format ics", 64, "--format ics needs --events"},
    {"--from 1.1.2026 --days 2 --events --pdf x.pdf", 64, "--pdf needs --format grid"},
    {"--year 2026 --events --format grid --paper a4", 64, "--paper needs --pdf"},
    {"--year 2026 --events --format grid --pdf x.pdf --paper a5", 64, "--paper takes one of: a4, letter"},
    {"--from 1.1.2026 --days 2 --events --format ics --fields rise,riseaz", 64,
     "--fields: \"riseaz\" is no event of --format ics"},
    {"--events --format grid", 64, "--format grid needs --year"},
    {"--date 1.1.2026 --from 1.1.2026 --days 2", 64, "--date conflicts with --from"},
    {"--from 1.1.2026 --days 2 --events --step 1h", 64, "--step conflicts with --events"},
    {"--from 1.1.2026 --days 2 --json --format csv", 64, "--json conflicts with --format"},
    {"--from 1.1.2026 --days 2 --format json --fields alt", 64, "--fields conflicts"},
    {"--from 1.1.2026 --days 2 --fields alt,bogus", 64, "--fields knows no field \"bogus\""},
    {"--from 1.1.2026 --days 2 --events --fields alt", 64, "--fields: \"alt\" is no column of --events"},
    {"--from 1.1.2026 --days 2 --fields date,phases", 64, "--fields: \"phases\" needs --events"},
    {"--from 1.1.2026 --days 0", 64, "--days takes"},
    {"--from 31.4.2026 --days 2", 64, "--from takes D.M.YYYY"},
    {"--from 1.1.2026", 64, "--from needs --to or --days"},
    {"--to 1.1.2026", 64, "--to needs --from"},
    {"--from 1.1.2026 --days 2 --time 25:00", 64, "--time takes"},
    {"--from 1.1.2026 --days 2 --format xml", 64, "--format takes"},
    {"--from 1.1.2026 --days 2 --lon 30", 64, "--lon takes DEG[:MIN]E|W"},
    {"--date 1.2", 64, "--date takes D.M.YYYY"},
};

// With a named zone in place of --zone. New Zealand's summer offset of 13
// hours is taken from its zone, never typed.
const Refusal kNamedZoneRefusals[] = {
    {"--from 1.1.2026 --days 2 --tz Mars/Olympus", 64, "--tz: no zone"},
    {"--from 1.1.2026 --days 2 --zone 13", 2, "Uncorrect input Timezone!"},
};

TEST(CliAlmanac, EachRefusalIsOneLineBeforeAnyRow) {
  std::vector<Refusal> refusals;
  for (Refusal r : kRefusals) refusals.push_back({kPlace + r.arguments, r.status, r.message});
  for (Refusal r : kNamedZoneRefusals) refusals.push_back({"--lon 174:46E --lat 36:50S " + r.arguments, r.status, r.message});
  for (const Refusal& r : refusals) {
    const std::string& arguments = r.arguments;
    const auto run = runCli(arguments);
    EXPECT_EQ(run.status, r.status) << arguments;
    EXPECT_EQ(run.out, "") << arguments;
    EXPECT_EQ(lines(run.err).size(), 1u) << arguments;
    EXPECT_NE(run.err.find(r.message), std::string::npos) << arguments << ": " << run.err;
  }
}

// Every field of --json is a column of its own but the two lists and the
// message, and the help says exactly that.
TEST(CliAlmanac, EveryJsonFieldButTheListsAndTheMessageIsAColumn) {
  const std::string range = kPlace + "--from 1.1.2026 --days 1 ";
  const auto row = nlohmann::json::parse(runCli(range + "--format json").out);
  std::vector<std::string> refused;
  for (const auto& [key, value] : row.items()) {
    const auto run = runCli(range + "--format csv --fields '" + key + "'");
    if (run.status != 0) {
      refused.push_back(key);
      continue;
    }
    const auto rows = lines(run.out);
    ASSERT_EQ(rows.size(), 2u) << key;
    // A phase's time gets its two-digit minutes as a column, as rise and set do.
    const std::string text = value.get<std::string>();
    EXPECT_EQ(rows[1], almanac::csvField(key.starts_with("DatePhase") ? almanac::withTwoDigitMinutes(text) : text))
        << key;
  }
  EXPECT_EQ(refused, (std::vector<std::string>{"List1", "List2", "message"}));
  std::string help = runCli("--help").out;
  help = std::regex_replace(help, std::regex("\\s+"), " ");
  EXPECT_NE(help.find("any field name of --json but List1, List2 and message"), std::string::npos) << help;
}

}  // namespace
}  // namespace tessaly::cli
