// Calculate on arbitrary field texts, then the handlers that run the engine
// on fields or a zone left unchecked: an azimuth item, and real-time tracking
// with one tick. No value field may show a not-a-number or an infinity.
//
// Input: one byte of choices (bit 0 West, bit 1 South, bit 2 choose an
// azimuth item, bits 3-4 which one, bit 5 switch to real-time tracking),
// then the eleven input texts separated by '|'.
#include <cstdint>
#include <string_view>

#include "tests/fuzz/FuzzChecks.h"
#include "window/CalculateFields.h"
#include "window/Headless.h"
#include "window/MainForm.h"

using namespace tessaly;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const unsigned choices = data[0];
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);

  HeadlessForm f;
  f.clock.set(9, 12, 2026, 21, 0, 0);
  MainForm& form = f.form;
  setAngleConstants(form.state());
  WindowModel& model = form.model();
  model.setSelected("Option2", true);
  for (ElementName field : inputFields()) {
    const std::size_t bar = rest.find('|');
    model.setText(field, rest.substr(0, bar));
    rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
  }
  model.selectEntry("List1", choices & 1);
  model.selectEntry("List2", (choices >> 1) & 1);

  form.Command2_Click();
  fuzz::requireFiniteValueFields(model);
  if (choices & 4) {
    switch ((choices >> 3) & 3) {
      case 0: form.me1_12_Click(); break;
      case 1: form.me1_13_Click(); break;
      default: form.me1_14_Click(); break;
    }
    fuzz::requireFiniteValueFields(model);
  }
  if (choices & 32) {
    model.setSelected("Option1", true);
    form.Timer1_Timer();
    fuzz::requireFiniteValueFields(model);
  }
  return 0;
}
