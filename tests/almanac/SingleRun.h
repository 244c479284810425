#pragma once
// A single Calculate as the command line runs it: start-up with no saved
// settings, manual mode, the typed fields, Calculate. The almanac's rows are
// checked against it.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/TempConfigHome.h"
#include "window/Headless.h"

namespace tessaly::testing {

using Typed = std::vector<FieldText>;

// 30°15' E, 45° N in zone 2, as in the command line's own examples.
inline const Typed kPlace = {{"LongGrad", "30"}, {"LongMin", "15"}, {"LatGrad", "45"}, {"LatMin", "0"},
                             {"Timezon", "2"}};

inline std::unique_ptr<HeadlessForm> typedForm(const Typed& typed) {
  TempConfigHome home;
  auto f = std::make_unique<HeadlessForm>();
  f->form.Form_Load();
  f->form.model().setSelected("Option2", true);
  for (const auto& [field, text] : typed) f->form.model().setText(field, text);
  return f;
}

// The form after Calculate of the typed place, date "D.M.YYYY" and time "H:M:S".
inline std::unique_ptr<HeadlessForm> singleRun(Typed typed, const std::string& date, const std::string& time) {
  const auto dot1 = date.find('.'), dot2 = date.rfind('.');
  const auto colon1 = time.find(':'), colon2 = time.rfind(':');
  typed.insert(typed.end(), {{"DateDay", date.substr(0, dot1)},
                             {"DateMonth", date.substr(dot1 + 1, dot2 - dot1 - 1)},
                             {"DateYear", date.substr(dot2 + 1)},
                             {"TimeHour", time.substr(0, colon1)},
                             {"TimeMin", time.substr(colon1 + 1, colon2 - colon1 - 1)},
                             {"TimeSec", time.substr(colon2 + 1)}});
  auto f = typedForm(typed);
  f->form.Command2_Click();
  return f;
}

}  // namespace tessaly::testing
