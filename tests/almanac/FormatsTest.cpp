// Steps, CSV fields and the paged table.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "almanac/Csv.h"
#include "almanac/MomentRange.h"
#include "almanac/Table.h"

namespace tessaly::almanac {
namespace {

TEST(Steps, WholeDaysKeepTheTimeOfDayAndOthersCountSeconds) {
  const struct {
    const char* text;
    bool days;
    long long seconds;
  } kSteps[] = {{"1d", true, 86400}, {"2d", true, 172800}, {"6h", false, 21600}, {"90m", false, 5400}, {"1s", false, 1}};
  for (const auto& s : kSteps) {
    const Step step = parseStep(s.text);
    EXPECT_EQ(step.days, s.days) << s.text;
    EXPECT_EQ(step.size.count(), s.seconds) << s.text;
  }
  // Whole numbers only: "1.5d" would count elapsed time where "2d" keeps the time of day.
  for (const char* bad : {"", "d", "0h", "-1h", "1.5s", "0.2s", "h1", "1 h", "1w", "+1h", "1e30h", "1.5d", "0.5m",
                          "1e3s", "1.0h", "11574075d", "99999999999999999999s"})
    EXPECT_THROW(parseStep(bad), std::invalid_argument) << bad;
}

TEST(Csv, QuotesOnlyWhatNeedsQuoting) {
  const std::pair<const char*, const char*> kFields[] = {
      {"9:5", "9:5"},     {"Fraction, %", "\"Fraction, %\""}, {"a\"b", "\"a\"\"b\""},
      {"a\nb", "\"a\nb\""}, {"Доля, %", "\"Доля, %\""},       {"", ""},
  };
  for (const auto& [text, field] : kFields) EXPECT_EQ(csvField(text), field);
  std::ostringstream out;
  const std::string row[] = {"1", "x,y"};
  writeCsvRow(out, row);
  EXPECT_EQ(out.str(), "1,\"x,y\"\r\n");
}

TEST(Table, AlignsByCharactersAndRepeatsTheHeaderEachPage) {
  std::ostringstream out;
  Table table(out, {"Дата", "Alt"}, {3, 5}, 2);
  for (const char* alt : {"1", "-12.5", "3"}) table.row({"ab", alt});
  EXPECT_EQ(out.str(),
            "Дата  Alt\n-----------\nab    1\nab    -12.5\n"
            "Дата  Alt\n-----------\nab    3\n");
}

}  // namespace
}  // namespace tessaly::almanac
