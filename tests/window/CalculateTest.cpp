// The Calculate handler: its checks, their order and messages, the rewritten
// degree fields and the silent day corrections. The golden cases hold its
// normal results and the bounds they reach (zone 12 and -12, longitude 180,
// latitude 90, days 30.5 and 32).
#include "window/Calculate.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/MemoryFieldStore.h"

namespace tessaly {

using Texts = std::vector<std::pair<std::string, std::string>>;

// One press of Calculate on typical input, some fields retyped.
struct Press : MessageSink {
  MemoryFieldStore fields;
  ObservationState state;
  Engine engine{state, fields};
  std::vector<std::string> shown;
  bool passed;

  explicit Press(const Texts& retyped) {
    setAngleConstants(state);
    const Texts typical = {{"DateDay", "15"}, {"DateMonth", "3"}, {"DateYear", "2021"},
                           {"TimeHour", "12"}, {"TimeMin", "0"}, {"TimeSec", "0"},
                           {"LongGrad", "30"}, {"LongMin", "0"}, {"LatGrad", "45"},
                           {"LatMin", "0"}, {"Timezon", "2"}, {"Label25", "Moon Phases"}};
    for (const Texts* texts : {&typical, &retyped})
      for (const auto& [field, text] : *texts) fields.setText(field, text);
    passed = Command2_Click(engine, *this);
  }
  void showMessage(std::string_view text) override { shown.emplace_back(text); }

  std::string message() const {
    EXPECT_EQ(passed, shown.empty());
    EXPECT_LE(shown.size(), 1u);
    return shown.empty() ? "" : shown.front();
  }
  std::string operator[](const char* field) const { return fields.text(field); }
};

struct Case {
  Texts retyped;
  const char* message;
};

void expectMessages(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    const Press press(c.retyped);
    SCOPED_TRACE(c.retyped.front().first + "=" + c.retyped.front().second);
    EXPECT_EQ(press.message(), c.message);
    EXPECT_EQ(press["JulianDate"].empty(), !press.passed);  // a refused press computes nothing
    for (const char* field : {"LongGrad", "LongMin", "LatGrad", "LatMin", "Timezon"})
      EXPECT_EQ(press[field].find_first_of("IiNn"), std::string::npos) << press[field];
  }
}

TEST(Calculate, ChecksInOrderWithTheirMessages) {
  expectMessages({
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
      {{{"LongMin", "1e400"}}, "Uncorrect input Longitude!"},
      {{{"LatMin", "1e39"}}, "Uncorrect input Latitude!"},
      {{{"LatGrad", "-1e400"}}, "Uncorrect input Latitude!"},
      {{{"Timezon", "1e400"}, {"LongMin", "60"}}, "Uncorrect input Timezone!"},
      {{{"Timezon", "1e39"}}, "Uncorrect input Timezone!"},
      {{{"TimeSec", "1e400"}}, "Uncorrect input Seconds!"},
      {{{"DateYear", "1e400"}}, "Uncorrect input Year!"},
      {{{"DateYear", "1e400"}, {"DateDay", "1e400"}}, "Uncorrect input Day!"},
  });
}

// The degree fields show the number read from them.
TEST(Calculate, DegreeFieldsAreRewritten) {
  const Press press({{"LongGrad", "28abc"}, {"LatGrad", "00"}});
  EXPECT_EQ(press["LongGrad"], "28");
  EXPECT_EQ(press["LatGrad"], "0");
}

TEST(Calculate, DayBeyondTheMonthIsCorrectedSilently) {
  // Day, month and year typed; the day shown afterwards; the message.
  const char* cases[][5] = {{"31", "6", "2020", "30", ""},   {"30", "2", "2000", "29", ""},
                            {"29", "2", "1900", "28", ""},   {"29", "2", "2100", "28", ""},
                            {"30.5", "2", "2021", "28", ""}, {"29", "2", "2004", "29", ""},
                            {"31", "5", "2020", "31", ""},
                            {"31", "4", "2200", "30", "Uncorrect input Year!"}};
  for (const auto& [day, month, year, shown, message] : cases) {
    const Press press({{"DateDay", day}, {"DateMonth", month}, {"DateYear", year}});
    SCOPED_TRACE(std::string(day) + "." + month + "." + year);
    EXPECT_EQ(press.message(), message);
    EXPECT_EQ(press["DateDay"], shown);
    EXPECT_EQ(press.state.InDay, std::stod(shown));
  }
}

}  // namespace tessaly
