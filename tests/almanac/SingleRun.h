#pragma once
// A single Calculate as the command line runs it: start-up with no saved
// settings, manual mode, the typed fields, Calculate. The almanac's rows are
// checked against it.
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/TempConfigHome.h"
#include "window/CalculateFields.h"
#include "window/Headless.h"

namespace tessaly::testing {

using Typed = std::vector<FieldText>;

// 30°15' E, 45° N in zone 2, as in the command line's own examples.
inline const Typed kPlace = {{"LongGrad", "30"}, {"LongMin", "15"}, {"LatGrad", "45"}, {"LatMin", "0"},
                             {"Timezon", "2"}};
// Berlin in winter time.
inline const Typed kBerlin = {{"LongGrad", "13"}, {"LongMin", "24"}, {"LatGrad", "52"}, {"LatMin", "31"},
                              {"Timezon", "1"}};

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
  static const std::regex separator("[.:]");
  const std::string both = date + "." + time;
  std::sregex_token_iterator part(both.begin(), both.end(), separator, -1);
  for (ElementName field : dateAndTimeFields()) typed.push_back({field, *part++});
  auto f = typedForm(typed);
  f->form.Command2_Click();
  return f;
}

}  // namespace tessaly::testing
