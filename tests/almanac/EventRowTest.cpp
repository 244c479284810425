// Event rows against single Calculates of their dates.
#include <gtest/gtest.h>

#include <algorithm>

#include "EventRow.h"
#include "SingleRun.h"

namespace tessaly::almanac {
namespace {

using testing::kPlace;
using testing::singleRun;
using testing::typedForm;

constexpr std::string_view kEventFields[] = {
    "RiseHour",    "RiseMin",    "RAzim",       "SetHour",     "SetMin",     "SAzim",
    "CulmHour(0)", "CulmMin(0)", "ATransit(0)", "CulmHour(1)", "CulmMin(1)", "ATransit(1)",
};

// The phases a single Calculate shows at the start and at the end of a date
// that fall on that date.
std::vector<std::string> phasesOnDate(const testing::Typed& place, const std::string& date) {
  std::vector<std::string> found;
  for (const char* time : {"0:0:0", "23:59:59"}) {
    const auto f = singleRun(place, date, time);
    for (const char* slot : {"1", "2"}) {
      const std::string text = f->form.model().text(std::string("DatePhase") + slot);
      const std::string entry = f->form.model().text(std::string("Phase") + slot) + " " + text;
      if (text.starts_with(date + " ") && std::ranges::find(found, entry) == found.end()) found.push_back(entry);
    }
  }
  return found;
}

TEST(EventRows, EveryDateOfAMonthIsItsSingleCalculate) {
  auto source = typedForm(kPlace);
  RowCalculator calculator(source->form);
  std::vector<EventRow> rows;
  ASSERT_FALSE(eventMonth(calculator, FixedZone("2"), date::year{2026} / 12, kEventHour, rows));
  ASSERT_EQ(rows.size(), 31u);
  int phases = 0;
  for (const EventRow& row : rows) {
    const std::string date = columnText(*findColumn("date"), row.fields);
    const auto single = singleRun(kPlace, date, "12:0:0");
    for (std::string_view field : kEventFields)
      EXPECT_EQ(row.fields.text(field), single->form.model().text(field)) << date << " " << field;
    std::vector<std::string> listed;
    for (const PhaseOnDate& p : row.phases) listed.push_back(p.name + " " + p.dateText);
    EXPECT_EQ(listed, phasesOnDate(kPlace, date)) << date;
    phases += static_cast<int>(row.phases.size());
  }
  EXPECT_EQ(phases, 5);  // each principal phase of December 2026 once, 1st to 30th
}

TEST(EventRows, TextsAsPrinted) {
  EventRow row;
  for (auto [field, text] : {std::pair{"DateDay", "24"}, {"DateMonth", "12"}, {"DateYear", "2026"},
                             {"RiseHour", "-"}, {"RiseMin", "-"}, {"RAzim", "-"}, {"SetHour", "9"},
                             {"SetMin", "5"}, {"SAzim", "281.4"}})
    row.fields.setText(field, text);
  row.phases.push_back({"Full Moon", "24.12.2026 3:28"});
  const std::vector<Column> columns = parseColumns("date,rise,riseaz,set,setaz,phases");
  EXPECT_EQ(eventRowTexts(row, columns),
            (std::vector<std::string>{"24.12.2026", "-", "-", "9:5", "281.4", "Full Moon 3:28"}));
  row.phases.clear();
  EXPECT_EQ(eventColumnText(row, columns.back()), "-");
}

}  // namespace
}  // namespace tessaly::almanac
