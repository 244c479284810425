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

// Each case of the file entered into a fresh window, run by the handler and
// compared with the case's message and texts.
void expectEveryCase(const std::string& file, void (*run)(HeadlessForm&, const GoldenCase&)) {
  const auto cases = testing::loadGoldenCases(file);
  ASSERT_FALSE(cases.empty());
  for (const auto& c : cases) {
    SCOPED_TRACE(file + " line " + std::to_string(c.line));
    HeadlessForm f;
    enterCase(f.form, c);
    run(f, c);
    EXPECT_EQ(f.messages.shown, c.message ? std::vector<std::string>{*c.message} : std::vector<std::string>{});
    ASSERT_FALSE(c.expected.empty());
    for (const auto& [name, text] : c.expected)
      EXPECT_EQ(f.form.model().text(ElementName::find(name).value()), text) << name;
  }
}

TEST(GoldenCases, EveryCalculateMatchesTextForText) {
  expectEveryCase("calc-public.jsonl", [](HeadlessForm& f, const GoldenCase&) {
    f.form.model().setSelected("Option2", true);
    f.form.Command2_Click();
  });
}

TEST(GoldenCases, EveryTickMatchesTextForText) {
  expectEveryCase("tick-public.jsonl", [](HeadlessForm& f, const GoldenCase& c) {
    ASSERT_TRUE(c.clock);
    const auto& k = *c.clock;
    f.clock.reading = {k.day, k.month, k.year, k.hour, k.minute, k.second, k.secondsSinceMidnight};
    f.form.Timer1_Timer();
  });
}

}  // namespace
}  // namespace tessaly
