// The Calculate handler: its checks, their order and messages, the rewritten
// degree fields and the silent day corrections. The golden cases hold its
// normal results and the bounds they reach (zone 12 and -12, longitude 180,
// latitude 90, days 30.5 and 32).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TypedWindow.h"
#include "window/CalculateFields.h"

namespace tessaly {
namespace {

using testing::TypedWindow;

// The one message of a press, or "" when it passed.
std::string messageOf(const TypedWindow& w) {
  EXPECT_LE(w.messages.shown.size(), 1u);
  return w.messages.first().value_or("");
}

TEST(Calculate, ChecksInOrderWithTheirMessages) {
  const struct { std::vector<FieldText> retyped; const char* message; } cases[] = {
      {{{"Timezon", "12.5"}}, "Uncorrect input Timezone!"},
      {{{"Timezon", "-13"}, {"LongMin", "60"}}, "Uncorrect input Timezone!"},
      {{{"LongMin", "60"}, {"LatMin", "-1"}}, "Uncorrect input Longitude!"},
      {{{"LongMin", "59.99"}, {"LatMin", "59.99"}}, ""},
      {{{"LongMin", "59.991"}}, "Uncorrect input Longitude!"},
      {{{"LatMin", "-1"}, {"TimeHour", "24"}}, "Uncorrect input Latitude!"},
      {{{"LatGrad", "90"}, {"LatMin", "0.01"}}, "Uncorrect input Latitude!"},
      {{{"TimeHour", ""}, {"TimeMin", ""}, {"TimeSec", ""}}, ""},
      {{{"TimeHour", "23.5"}}, "Uncorrect input Hours!"},
      {{{"TimeHour", "-1"}, {"TimeMin", "60"}}, "Uncorrect input Hours!"},
      {{{"TimeMin", "59.5"}, {"TimeSec", "60"}}, "Uncorrect input Minutes!"},
      {{{"TimeSec", "59.5"}, {"DateDay", ""}}, "Uncorrect input Seconds!"},
      {{{"DateDay", ""}, {"DateMonth", "13"}}, "Uncorrect input Day!"},
      {{{"DateMonth", "0"}, {"DateYear", "1699"}}, "Uncorrect input Month!"},
      {{{"DateYear", "1699"}}, "Uncorrect input Year!"},
      {{{"DateYear", "1700"}}, ""},
      {{{"DateYear", "2101"}}, "Uncorrect input Year!"},
      // Numbers beyond the double or the single range are refused in their turn.
      {{{"LongGrad", "1e400"}}, "Uncorrect input Longitude!"},
      {{{"LongGrad", "1e400"}, {"LatMin", "-1"}}, "Uncorrect input Latitude!"},
      {{{"LatMin", "1e39"}}, "Uncorrect input Latitude!"},
      {{{"Timezon", "1e400"}, {"LongMin", "60"}}, "Uncorrect input Timezone!"},
      {{{"TimeSec", "1e400"}}, "Uncorrect input Seconds!"},
      {{{"DateYear", "1e400"}, {"DateDay", "1e400"}}, "Uncorrect input Day!"},
  };
  for (const auto& c : cases) {
    TypedWindow w;
    const std::string before = w.m().text("JulianDate");
    w.calculate(c.retyped);
    SCOPED_TRACE(std::string(c.retyped.front().field.text()) + "=" + c.retyped.front().text);
    EXPECT_EQ(messageOf(w), c.message);
    EXPECT_EQ(w.m().text("JulianDate") == before, *c.message != '\0');  // a refused press computes nothing
    for (ElementName field : placeFields())
      EXPECT_EQ(w.m().text(field).find_first_of("IiNn"), std::string::npos) << w.m().text(field);
  }
}

// The degree fields show the number read from them.
TEST(Calculate, DegreeFieldsAreRewritten) {
  TypedWindow w;
  w.calculate({{"LongGrad", "28abc"}, {"LatGrad", "00"}});
  EXPECT_EQ(w.m().text("LongGrad") + " " + w.m().text("LatGrad"), "28 0");
}

TEST(Calculate, DayBeyondTheMonthIsCorrectedSilently) {
  // Day, month and year typed; the day shown afterwards; the message.
  const char* cases[][5] = {{"31", "6", "2020", "30", ""},   {"30", "2", "2000", "29", ""},
                            {"29", "2", "1900", "28", ""},   {"29", "2", "2100", "28", ""},
                            {"30.5", "2", "2021", "28", ""}, {"29", "2", "2004", "29", ""},
                            {"31", "5", "2020", "31", ""},   {"31", "4", "2200", "30", "Uncorrect input Year!"}};
  for (const auto& [day, month, year, shown, message] : cases) {
    TypedWindow w;
    w.calculate({{"DateDay", day}, {"DateMonth", month}, {"DateYear", year}});
    SCOPED_TRACE(std::string(day) + "." + month + "." + year);
    EXPECT_EQ(messageOf(w), message);
    EXPECT_EQ(w.m().text("DateDay"), shown);
    EXPECT_EQ(w.form.state().InDay, std::stod(shown));
  }
}

}  // namespace
}  // namespace tessaly
