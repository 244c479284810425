// Every reference case, text for text, through the handlers the window runs.
#include <gtest/gtest.h>

#include "tests/support/GoldenCases.h"
#include "window/Headless.h"

namespace tessaly {
namespace {

using testing::GoldenCase;

// Puts the case's texts and choices into the window as a user would have left
// them.
void enterCase(MainForm& form, const GoldenCase& c) {
  setAngleConstants(form.state());
  if (c.lang == "ru") form.SetRussianCaptions();
  for (const auto& [name, text] : c.inputs) form.model().setText(ElementName::find(name).value(), text);
  form.model().selectEntry("List1", c.list1);
  form.model().selectEntry("List2", c.list2);
  form.state().AzimShift = c.azimShift;
}

void expectOutcome(const HeadlessForm& f, const GoldenCase& c) {
  if (c.message) {
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], *c.message);
  } else {
    EXPECT_TRUE(f.messages.shown.empty()) << f.messages.shown[0];
  }
  ASSERT_FALSE(c.expected.empty());
  for (const auto& [name, text] : c.expected) EXPECT_EQ(f.form.model().text(ElementName::find(name).value()), text) << name;
}

TEST(GoldenCases, EveryCalculateMatchesTextForText) {
  const auto cases = testing::loadGoldenCases("calc-public.jsonl");
  ASSERT_FALSE(cases.empty());
  for (const auto& c : cases) {
    SCOPED_TRACE("calc-public.jsonl line " + std::to_string(c.line));
    HeadlessForm f;
    enterCase(f.form, c);
    f.form.model().setSelected("Option2", true);
    f.form.Command2_Click();
    expectOutcome(f, c);
  }
}

TEST(GoldenCases, EveryTickMatchesTextForText) {
  const auto cases = testing::loadGoldenCases("tick-public.jsonl");
  ASSERT_FALSE(cases.empty());
  for (const auto& c : cases) {
    SCOPED_TRACE("tick-public.jsonl line " + std::to_string(c.line));
    ASSERT_TRUE(c.clock);
    HeadlessForm f;
    enterCase(f.form, c);
    const auto& k = *c.clock;
    f.clock.reading = {k.day, k.month, k.year, k.hour, k.minute, k.second, k.secondsSinceMidnight};
    f.form.Timer1_Timer();
    expectOutcome(f, c);
  }
}

}  // namespace
}  // namespace tessaly
