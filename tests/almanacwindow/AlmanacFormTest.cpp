// The almanac window's behaviour on the main form: the day it charts, the
// month it tables, what it follows and what it refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>

#include "almanacwindow/AlmanacForm.h"
#include "almanacwindow/SkyPath.h"
#include "tests/support/CliRun.h"
#include "tests/support/TempConfigHome.h"
#include "window/Headless.h"

namespace tessaly {
namespace {

// The almanac told of each result, as the window wires it.
struct Follower : MainForm::ResultsListener {
  MainForm& form;
  AlmanacForm& almanac;
  Follower(MainForm& f, AlmanacForm& a) : form(f), almanac(a) { form.addResultsListener(*this); }
  ~Follower() { form.removeResultsListener(*this); }
  void resultsShown() override { almanac.resultsShown(); }
};

class AlmanacFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f.clock.set(6, 12, 2026, 21, 30, 0);
    f.form.Form_Load();
    model().setSelected("Option2", true);
    model().setTexts({{"DateDay", "6"}, {"DateMonth", "12"}, {"DateYear", "2026"},
                      {"TimeHour", "21"}, {"TimeMin", "30"}, {"TimeSec", "0"}});
    f.form.Command2_Click();
  }
  WindowModel& model() { return f.form.model(); }
  testing::TempConfigHome home;
  HeadlessForm f;
  AlmanacForm almanac{f.form, f.messages};
};

TEST_F(AlmanacFormTest, DayMarksAndSamplesAreTheWindowsTexts) {
  almanac.dayChartChosen();
  const DayCurve& day = almanac.day();
  EXPECT_EQ(day.dateText, "6.12.2026");
  ASSERT_EQ(day.samples.size(), 24u * 6 + 1);
  const struct { DayEvent event; ElementName hour, minute, value; } fields[] = {
      {DayEvent::Rise, "RiseHour", "RiseMin", "RAzim"},
      {DayEvent::Set, "SetHour", "SetMin", "SAzim"},
      {DayEvent::UpperCulmination, "CulmHour(0)", "CulmMin(0)", "ATransit(0)"}};
  for (const auto& [event, hour, minute, value] : fields) {
    auto mark = std::find_if(day.marks.begin(), day.marks.end(), [&](auto& m) { return m.event == event; });
    ASSERT_NE(mark, day.marks.end()) << hour;
    EXPECT_EQ(mark->hourText, model().text(hour));
    EXPECT_EQ(mark->minuteText, model().text(minute));
    EXPECT_EQ(mark->valueText, model().text(value));
  }
  // No lower culmination that day: no mark, as the window shows "-".
  EXPECT_EQ(model().text("CulmHour(1)"), "-");
  EXPECT_EQ(day.marks.size(), 3u);
  // The sample at the moment calculated shows the window's altitude.
  EXPECT_EQ(day.samples[21 * 6 + 3].altitudeText, model().text("AltTrue"));
  EXPECT_EQ(almanac.moment().altitudeText, model().text("AltTrue"));
  EXPECT_DOUBLE_EQ(almanac.moment().hours, 21.5);
}

// Once open, a refused Calculate of the main window is not repeated; the
// almanac keeps the last moment accepted.
TEST_F(AlmanacFormTest, ARefusedCalculateWhileOpenKeepsTheLastMoment) {
  almanac.dayChartChosen();
  model().setText("TimeHour", "25");
  almanac.follow();
  EXPECT_TRUE(f.messages.shown.empty());
  EXPECT_DOUBLE_EQ(almanac.moment().hours, 21.5);
}

// Ticks of real-time tracking are followed, but the table is rebuilt only
// when what it shows changes: not on a tick within the day, but on a new
// today, place, zone or language.
TEST_F(AlmanacFormTest, TheTableChangesOnlyWithWhatItShows) {
  Follower follower(f.form, almanac);
  almanac.monthTableChosen();
  model().setSelected("Option1", true);
  unsigned revision = almanac.tableRevision();
  const auto tick = [&](int day, int hour, int second) {
    f.clock.set(day, 12, 2026, hour, 30, second);
    f.form.Timer1_Timer();
  };
  tick(6, 21, 1);
  EXPECT_EQ(almanac.tableRevision(), revision);
  tick(7, 0, 0);
  EXPECT_EQ(almanac.todayRow(), 6u);
  EXPECT_NE(almanac.tableRevision(), revision);
  // Past midnight into a new month the month comes along.
  f.clock.set(1, 1, 2027, 0, 10, 0);
  f.form.Timer1_Timer();
  EXPECT_EQ(almanac.day().dateText, "1.1.2027");
  EXPECT_EQ(almanac.month(), 1);
  EXPECT_EQ(almanac.year(), 2027);
  revision = almanac.tableRevision();

  model().setSelected("Option2", true);
  model().setText("Timezon", "3");
  f.form.Command2_Click();
  EXPECT_NE(almanac.tableRevision(), revision);
  revision = almanac.tableRevision();
  f.form.me1_10_Click();
  almanac.follow();
  EXPECT_NE(almanac.tableRevision(), revision);
  EXPECT_EQ(almanac.page().headings.front(), "Дата");
}

// In manual mode the almanac shows the last Calculate, not texts typed
// since, whether it is open already or opened after the typing.
TEST_F(AlmanacFormTest, ManualModeFollowsTheLastCalculateNotTheBoxes) {
  almanac.resultsShown();
  model().setTexts({{"DateDay", "20"}, {"TimeHour", "3"}, {"Timezon", "5"}});
  almanac.dayChartChosen();
  EXPECT_EQ(almanac.day().dateText, "6.12.2026");
  EXPECT_DOUBLE_EQ(almanac.moment().hours, 21.5);
  const std::string rise = almanac.page().rows[5][1];
  f.form.Command2_Click();
  almanac.resultsShown();
  EXPECT_EQ(almanac.day().dateText, "20.12.2026");
  EXPECT_DOUBLE_EQ(almanac.moment().hours, 3.5);
  // Another zone, another table: the zone is not the time of day.
  EXPECT_NE(almanac.page().rows[5][1], rise);
}

TEST_F(AlmanacFormTest, NumbersTimesAndDatesAreNumericColumnsAndPhaseNamesNot) {
  almanac.monthTableChosen();
  const MonthPage& page = almanac.page();
  ASSERT_EQ(page.numeric.size(), page.headings.size());
  EXPECT_TRUE(page.numeric.front());  // the date
  EXPECT_TRUE(page.numeric.back());   // the fraction
  std::size_t words = 0;
  for (std::size_t c = 0; c < page.numeric.size(); ++c)
    if (!page.numeric[c]) {
      ++words;
      bool letters = false;
      for (const auto& row : page.rows) letters = letters || row[c].find_first_of("FNQ") != std::string::npos;
      EXPECT_TRUE(letters) << page.headings[c];
    }
  EXPECT_GE(words, 1u);
}

std::string withoutStamps(const std::string& calendar) {
  return std::regex_replace(calendar, std::regex("DTSTAMP:[0-9TZ]+\r\n"), "");
}

// Linked to Berlin, the calendar, the year and the printed heading are
// those of --tz: local times with the zone's VTIMEZONE, each date in the
// offset in force then, the zone by its name. March holds the spring change.
TEST_F(AlmanacFormTest, ALinkedZoneGoesIntoTheCalendarTheYearAndPaper) {
  ASSERT_TRUE(f.form.linkedZone().link("Europe/Berlin"));
  f.form.Command2_Click();
  almanac.monthTableChosen();
  model().setText("LatMin", "00");  // the location as the command line writes it; Calculate wrote 0 back
  std::string calendar;
  ASSERT_TRUE(monthCalendar(f.form, 3, 2026, std::chrono::system_clock::now(), calendar));
  const auto cli = testing::runCli("--from 1.3.2026 --to 31.3.2026 --events --format ics --tz Europe/Berlin --lang en");
  ASSERT_EQ(cli.status, 0) << cli.err;
  EXPECT_EQ(withoutStamps(calendar), withoutStamps(cli.out));
  EXPECT_TRUE(almanac.printPage().place.ends_with("; Timezone: Europe/Berlin")) << almanac.printPage().place;

  // The year on paper is the command line's grid but for its title and rule.
  almanac.tabChosen(AlmanacForm::Tab::Year);
  const auto grid = testing::runCli("--events --format grid --year 2026 --tz Europe/Berlin --lang en");
  ASSERT_EQ(grid.status, 0) << grid.err;
  std::vector<std::string> lines;
  std::istringstream printed(grid.out);
  for (std::string line; std::getline(printed, line);) lines.push_back(line);
  ASSERT_GT(lines.size(), 3u);
  lines.erase(lines.begin() + 2);
  lines.erase(lines.begin());
  EXPECT_EQ(almanac.printPage().lines, lines);

  // Unlinked, the typed offset is back in all three.
  f.form.linkedZone().unlink();
  f.form.Command2_Click();
  almanac.follow();
  EXPECT_NE(almanac.printPage().lines, lines);
  EXPECT_TRUE(almanac.printPage().place.ends_with("; Timezone: " + model().text("Timezon")));
  ASSERT_TRUE(monthCalendar(f.form, 3, 2026, std::chrono::system_clock::now(), calendar));
  EXPECT_EQ(calendar.find("TZID"), std::string::npos);
}

// Linked to Berlin, July's rows are Berlin's summer time: the rows of the
// window typed at +2, with the zone shown; December's are at +1.
TEST_F(AlmanacFormTest, ALinkedZonesMonthTakesTheOffsetOfEachDate) {
  almanac.monthTableChosen();
  almanac.showMonth(7, 2026);
  model().setText("Timezon", "2");
  f.form.Command2_Click();
  const MonthPage typed = almanac.page();
  ASSERT_TRUE(f.form.linkedZone().link("Europe/Berlin"));
  f.form.Command2_Click();
  almanac.showMonth(7, 2026);
  const MonthPage& linked = almanac.page();
  ASSERT_EQ(linked.rows.size(), 31u);
  const auto zone = std::find(linked.headings.begin(), linked.headings.end(), "Timezone") - linked.headings.begin();
  ASSERT_LT(static_cast<std::size_t>(zone), linked.headings.size());
  for (std::size_t day = 0; day < 31; ++day) {
    std::vector<std::string> row = linked.rows[day];
    EXPECT_EQ(row[static_cast<std::size_t>(zone)], "2");
    row.erase(row.begin() + zone);
    EXPECT_EQ(row, typed.rows[day]) << day + 1;
  }
  almanac.showMonth(12, 2026);
  EXPECT_EQ(almanac.page().rows[0][static_cast<std::size_t>(zone)], "1");
  // New Zealand's summer, beyond twelve hours, from a named zone.
  ASSERT_TRUE(f.form.linkedZone().link("Pacific/Auckland"));
  f.messages.shown.clear();
  almanac.showMonth(1, 2026);
  EXPECT_TRUE(f.messages.shown.empty());
  EXPECT_EQ(almanac.page().rows[0][static_cast<std::size_t>(zone)], "13");
}

// On the dates Berlin changes its clocks the chart shows each event once, in
// the offset in force at it, and no sample at a time the clocks skip.
TEST_F(AlmanacFormTest, ALinkedZonesDayChartOnTheDatesOfAChange) {
  model().setTexts({{"LongGrad", "13"}, {"LongMin", "24"}, {"LatGrad", "52"}, {"LatMin", "31"}});
  ASSERT_TRUE(f.form.linkedZone().link("Europe/Berlin"));
  Follower follower(f.form, almanac);
  almanac.dayChartChosen();
  const auto chart = [&](const char* day, const char* month, const char* year) {
    model().setTexts({{"DateDay", day}, {"DateMonth", month}, {"DateYear", year}, {"TimeHour", "12"}});
    f.form.Command2_Click();
    const DayCurve& curve = almanac.day();
    std::string sets;
    for (const DayMark& mark : curve.marks)
      if (mark.event == DayEvent::Set) sets += clockText(mark.hourText, mark.minuteText);
    return std::pair{sets, curve.samples.size()};
  };
  EXPECT_EQ(chart("25", "3", "2023"), std::pair(std::string("23:47"), std::size_t{24 * 6 + 1}));
  EXPECT_EQ(chart("26", "3", "2023"), std::pair(std::string(), std::size_t{23 * 6 + 1}));
  EXPECT_EQ(chart("29", "10", "2017"), std::pair(std::string("0:28"), std::size_t{24 * 6 + 1}));
  EXPECT_EQ(model().text("Timezon"), "1");
}

// Neither the month nor the year turns beyond the years Calculate accepts.
TEST_F(AlmanacFormTest, TheYearGridIsFilledOnItsTabAndNothingTurnsBeyondTheYears) {
  almanac.monthTableChosen();
  EXPECT_TRUE(almanac.yearPage().rows.empty()) << "a year is worked out only for its tab";
  almanac.showMonth(12, 2101);
  EXPECT_EQ(almanac.month(), 12);
  EXPECT_EQ(almanac.year(), 2026);
  almanac.tabChosen(AlmanacForm::Tab::Year);
  ASSERT_EQ(almanac.yearPage().rows.size(), 31u);
  EXPECT_EQ(almanac.yearPage().rows[29][2], "") << "no 30 February";
  EXPECT_EQ(yearCellSpoken(almanac.yearPage(), 30, 2), "");
  EXPECT_EQ(almanac.todayCell(), (std::array{6, 12}));

  almanac.nextYear();
  EXPECT_EQ(almanac.yearPage().year, 2027);
  EXPECT_EQ(almanac.todayCell(), std::nullopt);
  almanac.showYear(2101);
  EXPECT_EQ(almanac.gridYear(), 2027);
  f.form.me1_10_Click();
  almanac.follow();
  EXPECT_EQ(almanac.yearPage().title, "Восход и заход Луны  2027");
}

// The day's path on the sky: up at 4:55 south of east, highest in the south
// near 9:30, down at 14:14; the hours between on the disc.
TEST_F(AlmanacFormTest, TheDaysPathRisesAndSetsWhereTheWindowSays) {
  model().setText("TimeHour", "9");
  f.form.Command2_Click();
  almanac.dayChartChosen();
  const SkyPath path = skyPath(almanac.day(), almanac.moment());

  ASSERT_EQ(path.runs.size(), 1u);
  for (const SkyPoint& p : path.runs[0]) EXPECT_LE(std::hypot(p.x, p.y), 1 + 1e-9);
  EXPECT_NEAR(std::hypot(path.runs[0].front().x, path.runs[0].front().y), 1, 1e-9);
  EXPECT_NEAR(std::hypot(path.runs[0].back().x, path.runs[0].back().y), 1, 1e-9);
  ASSERT_EQ(path.hours.size(), 10u);
  EXPECT_EQ(path.hours.front().hour, 5);
  ASSERT_EQ(path.ends.size(), 2u);
  EXPECT_EQ(path.ends[0].timeText, "4:55");
  EXPECT_EQ(path.ends[0].azimuthText, "118.9");
  EXPECT_GT(path.ends[0].at.x, 0) << "rises in the east";
  EXPECT_GT(path.ends[0].at.y, 0) << "south of east";
  ASSERT_TRUE(path.moon);
  EXPECT_GT(path.moon->y, 0.5);

  EXPECT_EQ(skyPathSpoken(almanac.day(), Language::English),
            "Rises at 4:55 in the east-southeast. Highest at 9:38 in the south at 24°. "
            "Sets at 14:14 in the west-southwest.");
  EXPECT_EQ(skyPathSpoken(almanac.day(), Language::Russian),
            "Восходит в 4:55 на востоко-юго-востоке. Выше всего в 9:38 на юге, на высоте 24°. "
            "Заходит в 14:14 на западо-юго-западе.");
}

}  // namespace
}  // namespace tessaly
