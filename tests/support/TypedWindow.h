#pragma once
// The window in Manual with a typical moment and place typed in, for the
// tests that retype a few fields and press Calculate.
#include <vector>

#include "window/Headless.h"

namespace tessaly::testing {

// The azimuth reference by its place in the menu: north, south, south signed.
inline void chooseReference(MainForm& form, int reference) {
  switch (reference) {
    case 0: form.me1_12_Click(); break;
    case 1: form.me1_13_Click(); break;
    default: form.me1_14_Click(); break;
  }
}

struct TypedWindow : HeadlessForm {
  TypedWindow() {
    setAngleConstants(form.state());
    clock.set(9, 12, 2026, 21, 0, 0);
    m().setSelected("Option2", true);
    m().setTexts({{"DateDay", "15"}, {"DateMonth", "3"}, {"DateYear", "2021"}, {"TimeHour", "12"},
                  {"TimeMin", "0"}, {"TimeSec", "0"}, {"LongGrad", "30"}, {"LongMin", "0"},
                  {"LatGrad", "45"}, {"LatMin", "0"}, {"Timezon", "2"}});
  }
  WindowModel& m() { return form.model(); }
  void calculate(const std::vector<FieldText>& retyped) {
    for (const FieldText& t : retyped) m().setText(t.field, t.text);
    form.Command2_Click();
  }
};

}  // namespace tessaly::testing
