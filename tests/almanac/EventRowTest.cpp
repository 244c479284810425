// Event rows against single Calculates of their dates.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "almanac/EventRow.h"
#include "tests/almanac/SingleRun.h"

namespace tessaly::almanac {
namespace {

using testing::kPlace;
using testing::singleRun;
using testing::typedForm;

constexpr ElementName kEventFields[] = {
    "RiseHour",    "RiseMin",    "RAzim",       "SetHour",     "SetMin",     "SAzim",
    "CulmHour(0)", "CulmMin(0)", "ATransit(0)", "CulmHour(1)", "CulmMin(1)", "ATransit(1)",
};

// The phases a single Calculate shows at the start and at the end of a date
// that fall on that date.
std::vector<std::string> phasesOnDate(const testing::Typed& place, const std::string& date) {
  std::vector<std::string> found;
  for (const char* time : {"0:0:0", "23:59:59"}) {
    const auto f = singleRun(place, date, time);
    for (auto [phase, shownDate] : {std::pair{ElementName("Phase1"), ElementName("DatePhase1")},
                               std::pair{ElementName("Phase2"), ElementName("DatePhase2")}}) {
      const std::string text = f->form.model().text(shownDate);
      const std::string entry = f->form.model().text(phase) + " " + text;
      if (text.starts_with(date + " ") && std::ranges::find(found, entry) == found.end()) found.push_back(entry);
    }
  }
  return found;
}

struct MonthCase {
  const char* zone;  // a fixed zone text, or a name of the database
  date::year_month month;
  int phases;  // principal phases in the month
};

const MonthCase kMonths[] = {
    {"2", date::year{2026} / 12, 5},
    {"Europe/Berlin", date::year{2026} / 3, 4},
    {"Australia/Adelaide", date::year{2026} / 10, 4},
};

TEST(EventRows, EveryDateOfAMonthIsItsSingleCalculate) {
  auto source = testing::typedForm(kPlace);
  RowCalculator calculator(source->form);
  for (const MonthCase& m : kMonths) {
    SCOPED_TRACE(m.zone);
    const std::unique_ptr<Zone> zone = std::isdigit(m.zone[0]) ? std::make_unique<FixedZone>(m.zone)
                                                                : findNamedZone(m.zone);
    std::vector<EventRow> rows;
    ASSERT_FALSE(eventMonth(calculator, *zone, m.month, kEventHour, rows));
    ASSERT_EQ(rows.size(), unsigned(date::year_month_day_last{m.month / date::last}.day()));
    int phases = 0;
    for (const EventRow& row : rows) {
      const std::string date = columnText(*findColumn("date"), row.fields);
      testing::Typed place = kPlace;
      place.push_back({"Timezon", row.fields.text("Timezon")});
      const auto single = singleRun(place, date, "12:0:0");
      for (ElementName field : kEventFields)
        EXPECT_EQ(row.fields.text(field.text()), single->form.model().text(field)) << date << " " << field;
      std::vector<std::string> listed;
      for (const PhaseOnDate& p : row.phases) listed.push_back(p.name + " " + p.dateText);
      EXPECT_EQ(listed, phasesOnDate(place, date)) << date;
      phases += static_cast<int>(row.phases.size());
    }
    EXPECT_EQ(phases, m.phases);  // each principal phase of the month once
  }
}

// A phase within an hour of midnight on the day the offset changes: the
// offset in force at the phase decides its date, so that it is listed once.
TEST(EventRows, APhaseOnTheDayOfAChangeTakesItsOwnOffset) {
  auto source = testing::typedForm(kPlace);
  RowCalculator calculator(source->form);
  const auto newYork = findNamedZone("America/New_York");
  const date::local_days day{date::year{1972} / 10 / 29};  // -4 until 2:00, then -5
  EventRow before, on;
  ASSERT_FALSE(eventRow(calculator, *newYork, day - date::days{1}, kEventHour, before));
  ASSERT_FALSE(eventRow(calculator, *newYork, day, kEventHour, on));
  EXPECT_TRUE(before.phases.empty());
  ASSERT_EQ(on.phases.size(), 1u);
  EXPECT_EQ(on.fields.text("Timezon"), "-5");
  testing::Typed place = kPlace;
  place.push_back({"Timezon", "-4"});
  const auto single = singleRun(place, "29.10.1972", "0:42:0");
  EXPECT_EQ(on.phases[0].name, single->form.model().text("Phase1"));
  EXPECT_EQ(on.phases[0].dateText, single->form.model().text("DatePhase1"));
  EXPECT_EQ(on.phases[0].dateText, "29.10.1972 0:42");
}

TEST(EventRows, TextsAsPrinted) {
  EventRow row;
  for (auto [field, text] : {std::pair{"DateDay", "24"}, {"DateMonth", "12"}, {"DateYear", "2026"},
                             {"RiseHour", "-"}, {"RiseMin", "-"}, {"RAzim", "-"}, {"SetHour", "9"},
                             {"SetMin", "5"}, {"SAzim", "281.4"}})
    row.fields.setText(field, text);
  row.phases.push_back({"Full Moon", "24.12.2026 3:28"});
  row.phases.push_back({"1 Quarter", "24.12.2026 23:5"});
  const std::vector<Column> columns = parseColumns("date,rise,riseaz,set,setaz,phases");
  EXPECT_EQ(eventRowTexts(row, columns), (std::vector<std::string>{"24.12.2026", "-", "-", "9:05", "281.4",
                                                                   "Full Moon 3:28, 1 Quarter 23:05"}));
  row.phases.clear();
  EXPECT_EQ(eventColumnText(row, columns.back()), "-");
}

// The window's phase texts keep their single-digit minutes; every column
// showing them pads the minutes as it pads those of rise and set.
TEST(EventRows, PhaseTimesHaveTwoDigitMinutesInEveryColumn) {
  MemoryFieldStore window;
  for (auto [field, text] : {std::pair{"Phase1", "Full Moon"}, {"DatePhase1", "3.1.2026 12:4"},
                             {"Phase2", "3 Quarter"}, {"DatePhase2", "10.1.2026 17:48"}})
    window.setText(field, text);
  EXPECT_EQ(columnText(*findColumn("phase"), window), "Full Moon 3.1.2026 12:04");
  EXPECT_EQ(columnText(*findColumn("next"), window), "3 Quarter 10.1.2026 17:48");
  EXPECT_EQ(columnText(*findColumn("DatePhase1"), window), "3.1.2026 12:04");
}

}  // namespace
}  // namespace tessaly::almanac
