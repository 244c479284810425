// The almanac from the command line: each format against single runs, the
// year grid, and every refused range.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "almanac/Columns.h"
#include "almanac/Csv.h"
#include "engine/MemoryFieldStore.h"
#include "tests/support/CliRun.h"
#include "tests/support/TempConfigHome.h"

namespace tessaly::cli {
namespace {

const std::string kPlace = "--zone 2 --lon 30:15E --lat 45:00N ";

using testing::runCli;

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    result.push_back(line);
  }
  return result;
}

// The single run of a row's moment, its fields in a store.
MemoryFieldStore singleRun(const std::string& date, const std::string& time) {
  const auto run = runCli(kPlace + "--date " + date + " --time " + time + " --json");
  MemoryFieldStore fields;
  const auto object = nlohmann::json::parse(run.out);
  for (const auto& [key, value] : object.items())
    if (value.is_string()) fields.setText(key, value.get<std::string>());
  return fields;
}

// Rows 1249 hours apart wander through a year and the hours of the day.
const std::string kRange = kPlace + "--from 1.1.2026 --to 31.12.2026 --step 1249h ";
const std::string kAllColumns =
    "date,time,zone,doy,jd,sid,ra,dec,lon,lat,alt,app,az,frac,age,dist,distpct,diam,rise,riseaz,set,setaz,"
    "culm,culmalt,lculm,lculmalt,phase,next";

TEST(CliAlmanac, JsonLinesAreTheSingleRunsObjects) {
  testing::TempConfigHome home;
  const auto run = runCli(kRange + "--format json");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto rows = lines(run.out);
  ASSERT_EQ(rows.size(), 8u);
  for (std::size_t i = 0; i < rows.size(); i += 3) {
    const auto row = nlohmann::json::parse(rows[i]);
    const auto single = runCli(kPlace + "--date " + row["DateDay"].get<std::string>() + "." +
                           row["DateMonth"].get<std::string>() + "." + row["DateYear"].get<std::string>() +
                           " --time " + row["TimeHour"].get<std::string>() + ":" + row["TimeMin"].get<std::string>() +
                           ":" + row["TimeSec"].get<std::string>() + " --json");
    EXPECT_EQ(row, nlohmann::json::parse(single.out));
  }
}

// Splits a table line at runs of two or more blanks.
std::vector<std::string> tableCells(const std::string& line) {
  static const std::regex gap("  +");
  return {std::sregex_token_iterator(line.begin(), line.end(), gap, -1), {}};
}

TEST(CliAlmanac, CsvAndTableCellsAreTheSingleRunsTexts) {
  testing::TempConfigHome home;
  const std::vector<almanac::Column> columns = almanac::parseColumns(kAllColumns);
  for (const char* format : {"csv", "table"}) {
    SCOPED_TRACE(format);
    const auto run = runCli(kRange + "--format " + format + " --fields " + kAllColumns);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto rows = lines(run.out);
    const std::size_t header = std::string(format) == "csv" ? 1 : 2;
    ASSERT_EQ(rows.size(), header + 8);
    for (std::size_t i = header; i < rows.size(); i += 3) {
      std::vector<std::string> cells;
      if (header == 1) {
        std::istringstream in(rows[i]);
        for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
      } else {
        cells = tableCells(rows[i]);
      }
      const MemoryFieldStore single = singleRun(cells[0], cells[1]);
      ASSERT_EQ(cells.size(), columns.size()) << rows[i];
      for (std::size_t c = 0; c < columns.size(); ++c)
        EXPECT_EQ(cells[c], almanac::columnText(columns[c], single)) << columns[c].key;
    }
  }
}

// On 3.1.2026 the full moon comes at 12:04 here: the window's field says
// "12:4", every output of the almanac "12:04".
TEST(CliAlmanac, PhaseTimesHaveTwoDigitMinutes) {
  testing::TempConfigHome home;
  const auto single = nlohmann::json::parse(runCli(kPlace + "--date 3.1.2026 --time 0:0 --json --lang en").out);
  EXPECT_EQ(single["DatePhase1"], "3.1.2026 12:4");
  const std::string day = kPlace + "--from 3.1.2026 --days 1 --lang en ";
  EXPECT_EQ(lines(runCli(day + "--events --format csv --fields date,phases").out)[1], "3.1.2026,Full Moon 12:04");
  EXPECT_TRUE(lines(runCli(day + "--events").out)[2].ends_with("Full Moon 12:04"));
  const auto event = nlohmann::json::parse(runCli(day + "--events --format json").out);
  EXPECT_EQ(event["phases"][0]["DatePhase"], "3.1.2026 12:04");
  EXPECT_EQ(lines(runCli(day + "--format csv --fields phase").out)[1], "Full Moon 3.1.2026 12:04");
}

TEST(CliAlmanac, TheYearGridHasEveryDateOfTheYearInItsMonth) {
  testing::TempConfigHome home;
  const auto run = runCli(kPlace + "--events --format grid --year 2026 --lang ru");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto rows = lines(run.out);
  ASSERT_EQ(rows.size(), 3u + 31u);
  EXPECT_EQ(rows[0], "Восход и заход Луны  2026");
  EXPECT_TRUE(rows[1].starts_with("День  Янв")) << rows[1];
  // 30 February is blank, 1 December is the event row of that date.
  EXPECT_EQ(rows[3 + 29].substr(4 + 2 + 13, 11), std::string(11, ' '));
  const auto december = runCli(kPlace + "--from 1.12.2026 --days 1 --events --format csv --fields rise,set");
  EXPECT_EQ(lines(december.out)[1], "-,12:31");
  EXPECT_TRUE(rows[3].ends_with("    - 12:31")) << rows[3];
}

// A missing time moves forward; a repeated one takes the earlier offset.
TEST(CliAlmanac, ANamedZoneGivesTheOffsetInForce) {
  testing::TempConfigHome home;
  for (auto [date, hour] : {std::pair{"29.3.2026", "3"}, {"25.10.2026", "2"}}) {
    const auto j = nlohmann::json::parse(
        runCli(std::string("--lon 13:24E --lat 52:31N --tz Europe/Berlin --time 2:30 --json --date ") + date).out);
    EXPECT_EQ(j["TimeHour"], hour) << date;
    EXPECT_EQ(j["TimeMin"], "30") << date;
    EXPECT_EQ(j["Timezon"], "2") << date;
  }
}

// Kiribati's +14 is accepted from its zone, for ranges and single moments,
// and a row there is the row of the same universal moment at -10 a date
// earlier: every value the same, the dates (the row's, its day of the year,
// the phases') one later.
TEST(CliAlmanac, FourteenHoursEastIsTenWestADateEarlier) {
  testing::TempConfigHome home;
  const std::string place = "--lon 157:28W --lat 1:52N ";
  const auto east = runCli(place + "--tz Pacific/Kiritimati --from 2.7.2026 --days 2 --step 7h --json");
  const auto west = runCli(place + "--zone -10 --from 1.7.2026 --days 2 --step 7h --json");
  ASSERT_EQ(east.status, 0) << east.err;
  ASSERT_EQ(west.status, 0) << west.err;
  const auto eastRows = lines(east.out), westRows = lines(west.out);
  ASSERT_EQ(eastRows.size(), 7u);
  ASSERT_EQ(eastRows.size(), westRows.size());
  for (std::size_t i = 0; i < eastRows.size(); ++i) {
    auto e = nlohmann::json::parse(eastRows[i]), w = nlohmann::json::parse(westRows[i]);
    EXPECT_EQ(e["Timezon"], "14");
    for (const char* field : {"DateDay", "DOY"})
      EXPECT_EQ(std::stoi(e[field].get<std::string>()), std::stoi(w[field].get<std::string>()) + 1) << field;
    EXPECT_EQ(e["DatePhase1"], "30.6.2026 13:58");
    EXPECT_EQ(w["DatePhase1"], "29.6.2026 13:58");
    for (const char* field : {"Timezon", "DateDay", "DateMonth", "DateYear", "DOY", "DatePhase1", "DatePhase2"})
      e.erase(field), w.erase(field);
    EXPECT_EQ(e, w) << i;
  }
  const auto moment = runCli(place + "--tz Pacific/Kiritimati --date 2.7.2026 --time 5:00 --json");
  EXPECT_EQ(moment.status, 0) << moment.err;
  EXPECT_EQ(nlohmann::json::parse(moment.out)["Timezon"], "14");
}

// Events are calculated at noon unless --time says otherwise: on the day
// New York's clocks go forward the row takes the summer offset, and its rise,
// set and culminations are those of a Calculate at noon in that offset.
TEST(CliAlmanac, EventsOfADateAreThoseOfItsNoon) {
  testing::TempConfigHome home;
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
  testing::TempConfigHome home;
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
  testing::TempConfigHome home;
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
    {"--from 1.1.2026 --days 2 --step xh", 64, "--step takes"},
    // Whole numbers only: "1.5d" once counted elapsed time where "2d" kept the time of day.
    {"--from 1.1.2026 --days 2 --step 0.5s", 64, "--step takes a whole number"},
    {"--from 1.1.2026 --days 2 --step 1.5h", 64, "--step takes a whole number"},
    {"--from 1.1.2026 --days 2 --step 1.5d", 64, "--step takes a whole number"},
    {"--from 1.1.2026 --days 2 --step 1e3s", 64, "--step takes a whole number"},
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
    {"--from 1.1.2026 --days 2 --year 2026", 64, "--year conflicts with --from"},
    {"--from 1.1.2026 --days 2 --to 3.1.2026", 64, "--days conflicts with --to"},
    {"--date 1.1.2026 --from 1.1.2026 --days 2", 64, "--date conflicts with --from"},
    {"--from 1.1.2026 --days 2 --tz Europe/Berlin", 64, "--tz conflicts with --zone"},
    {"--from 1.1.2026 --days 2 --events --step 1h", 64, "--step conflicts with --events"},
    {"--from 1.1.2026 --days 2 --json --format csv", 64, "--json conflicts with --format"},
    {"--from 1.1.2026 --days 2 --format json --fields alt", 64, "--fields conflicts"},
    {"--from 1.1.2026 --days 2 --set DateDay=5", 64, "--set DateDay conflicts with --from"},
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
    {"--from 1.1.2026 --days 2 --set JulianDate=1", 64, "--set FIELD takes one of"},
    {"--from 1.1.2026 --days 2 --set LatMin=60", 2, "Uncorrect input Latitude!"},
};

// With a named zone in place of --zone. New Zealand's summer offset of 13
// hours is taken from its zone, never typed.
const Refusal kNamedZoneRefusals[] = {
    {"--from 1.1.2026 --days 2 --tz Mars/Olympus", 64, "--tz: no zone"},
    {"--from 1.1.2026 --days 2 --zone 13", 2, "Uncorrect input Timezone!"},
};

TEST(CliAlmanac, EachRefusalIsOneLineBeforeAnyRow) {
  testing::TempConfigHome home;
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
  testing::TempConfigHome home;
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

TEST(CliAlmanac, AFailedWriteEndsWith74) {
  testing::TempConfigHome home;
  EXPECT_EQ(runCli(kPlace + "--from 1.1.2026 --days 400 --step 1h", "> /dev/full").status, 74);
}

}  // namespace
}  // namespace tessaly::cli
