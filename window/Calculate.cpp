#include "window/Calculate.h"

#include <cmath>
#include <string_view>

#include "engine/NumberReading.h"
#include "engine/WholeNumber.h"
#include "window/ElementName.h"
#include "window/LocationCheck.h"
#include "window/Messages.h"

namespace tessaly {
namespace {

struct DateTimeCheck {
  ElementName field;
  double low, high;
  const char* message;
  double ObservationState::*target;
};

constexpr ElementName kDayField = "DateDay", kYearField = "DateYear";

constexpr DateTimeCheck kChecks[] = {
    {"TimeHour", 0, 23, messages::kHours, &ObservationState::InHour},
    {"TimeMin", 0, 59, messages::kMinutes, &ObservationState::InMin},
    {"TimeSec", 0, 59, messages::kSeconds, &ObservationState::InSec},
    {"DateDay", 1, 31, messages::kDay, &ObservationState::InDay},
    {"DateMonth", 1, 12, messages::kMonth, &ObservationState::InMonth},
};

bool isLeapYear(double year) {
  const double y = CInt(year);
  if (y == 1700 || y == 1800 || y == 1900 || y == 2100) return false;
  return std::fmod(y, 4) == 0;
}

void correctDayOfMonth(ObservationState& s, FieldStore& w) {
  auto setDay = [&](double day, const char* text) {
    s.InDay = day;
    w.setText(kDayField.text(), text);
  };
  const double m = s.InMonth;
  if ((m == 4 || m == 6 || m == 9 || m == 11) && s.InDay == 31) setDay(30, "30");
  const bool leap = isLeapYear(s.InYear);
  s.LeapKey = leap ? 62 : 63;
  if (leap && m == 2 && s.InDay > 29) setDay(29, "29");
  if (!leap && m == 2 && s.InDay > 28) setDay(28, "28");
}

}  // namespace

void setUniversalTime(ObservationState& s) {
  s.UTHour = s.InHour + s.InMin / 60 + s.InSec / 3600 - s.TZone;
  s.DayUT = s.InDay + s.UTHour / 24;
}

bool Command2_Click(Engine& engine, MessageSink& messages, double zoneHigh) {
  return Command2_Click(engine, messages, [](Engine& e) { e.RISESETCULM(); }, false, zoneHigh);
}

bool Command2_Click(Engine& engine, MessageSink& messages, const RiseSetCulm& riseSetCulm, bool placeChecked,
                    double zoneHigh) {
  ObservationState& s = engine.state();
  FieldStore& w = engine.fields();
  if (!placeChecked && !checkLocation(engine, messages, kCalculateLatitudeBound, zoneHigh)) return false;

  bool fits[std::size(kChecks)];
  for (std::size_t i = 0; i < std::size(kChecks); ++i) {
    const NumberReading r = readNumber(w.text(kChecks[i].field.text()));
    s.*kChecks[i].target = r.value;
    fits[i] = !r.overflow;
  }
  const NumberReading year = readNumber(w.text(kYearField.text()));
  s.InYear = year.value;
  for (std::size_t i = 0; i < std::size(kChecks); ++i) {
    const double v = s.*kChecks[i].target;
    if (!fits[i] || v > kChecks[i].high || v < kChecks[i].low) {
      messages.showMessage(kChecks[i].message);
      return false;
    }
  }
  correctDayOfMonth(s, w);
  if (year.overflow || s.InYear < kFirstYear || s.InYear > kLastYear) {
    messages.showMessage(messages::kYear);
    return false;
  }

  riseSetCulm(engine);
  setUniversalTime(s);
  // The phases are not worked out here before MAINCALC: its own pass
  // rewrites every field and text that a pass here would write, before
  // anything is shown.
  engine.MAINCALC();
  return true;
}

}  // namespace tessaly
