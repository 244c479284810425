// Every reference Calculate case, text for text.
#include <gtest/gtest.h>

#include "Calculate.h"
#include "GoldenCases.h"
#include "MemoryFieldStore.h"

namespace tessaly {
namespace {

struct RecordedMessages : MessageSink {
  std::vector<std::string> shown;
  void showMessage(std::string_view text) override { shown.emplace_back(text); }
};

TEST(GoldenCalculate, EveryCaseMatchesTextForText) {
  const auto cases = testing::loadGoldenCases("calc-public.jsonl");
  ASSERT_FALSE(cases.empty());
  for (const auto& c : cases) {
    SCOPED_TRACE("calc-public.jsonl line " + std::to_string(c.line));
    MemoryFieldStore fields;
    for (const auto& [name, text] : c.inputs) fields.setText(name, text);
    fields.selectEntry("List1", c.list1);
    fields.selectEntry("List2", c.list2);
    fields.setText("Label25", c.lang == "en" ? "Moon Phases" : "Фазы Луны");
    ObservationState state;
    setAngleConstants(state);
    state.AzimShift = c.azimShift;
    Engine engine(state, fields);
    RecordedMessages messages;
    Command2_Click(engine, messages);
    if (c.message) {
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0], *c.message);
    } else {
      EXPECT_TRUE(messages.shown.empty()) << messages.shown[0];
    }
    ASSERT_FALSE(c.expected.empty());
    for (const auto& [name, text] : c.expected) EXPECT_EQ(fields.text(name), text) << name;
  }
}

}  // namespace
}  // namespace tessaly
