#include "RowCalculator.h"

#include "NumberText.h"

namespace tessaly::almanac {
namespace {

// The twelve fields RISESETCULM writes.
constexpr std::string_view kDayFields[] = {
    "RiseHour",    "RiseMin",    "RAzim",       "SetHour",     "SetMin",     "SAzim",
    "CulmHour(0)", "CulmMin(0)", "ATransit(0)", "CulmHour(1)", "CulmMin(1)", "ATransit(1)",
};
static_assert(std::size(kDayFields) == std::tuple_size_v<std::array<std::string, 12>>);

constexpr std::string_view kPlaceFields[] = {"LongGrad", "LongMin", "LatGrad", "LatMin", "Timezon"};

}  // namespace

RowCalculator::RowCalculator(const MainForm& source)
    : form_(clock_, message_, exit_), riseSetCulm_([this](Engine& e) { riseSetCulm(e); }) {
  setAngleConstants(form_.state());
  form_.state().AzimShift = source.state().AzimShift;
  const WindowModel& from = source.model();
  if (from.text("Label25") == "Moon Phases")
    form_.me1_9_Click();
  else
    form_.me1_10_Click();
  WindowModel& to = form_.model();
  to.setSelected("Option2", true);
  for (std::string_view field : kPlaceFields) to.setText(field, from.text(field));
  to.selectEntry("List1", from.topEntry("List1"));
  to.selectEntry("List2", from.topEntry("List2"));
}

Language RowCalculator::language() const {
  return fields().text("Label25") == "Moon Phases" ? Language::English : Language::Russian;
}

std::optional<std::string> RowCalculator::calculate(const LocalMoment& moment) {
  const MomentTexts t = momentTexts(moment.local);
  WindowModel& w = form_.model();
  w.setText("DateDay", t.day);
  w.setText("DateMonth", t.month);
  w.setText("DateYear", t.year);
  w.setText("TimeHour", t.hour);
  w.setText("TimeMin", t.minute);
  w.setText("TimeSec", t.second);
  w.setText("Timezon", moment.zone);
  message_.text.reset();
  Command2_Click(form_.engine(), message_, riseSetCulm_);
  return message_.text;
}

// Everything RISESETCULM reads: the date (as corrected by Calculate), the
// place and zone texts, the two lists and the azimuth reference.
std::string RowCalculator::dayKey() const {
  const ObservationState& s = form_.state();
  const WindowModel& w = form_.model();
  std::string key = numberText(s.InDay) + "." + numberText(s.InMonth) + "." + numberText(s.InYear);
  for (std::string_view field : kPlaceFields) key += "|" + w.text(field);
  key += "|" + std::to_string(w.topEntry("List1")) + std::to_string(w.topEntry("List2"));
  key += "|" + (s.AzimShift ? numberText(*s.AzimShift) : std::string("none"));
  return key;
}

void RowCalculator::riseSetCulm(Engine& engine) {
  std::string key = dayKey();
  WindowModel& w = form_.model();
  if (key == dayKey_) {
    for (std::size_t i = 0; i < dayTexts_.size(); ++i) w.setText(kDayFields[i], dayTexts_[i]);
    return;
  }
  engine.RISESETCULM();
  for (std::size_t i = 0; i < dayTexts_.size(); ++i) dayTexts_[i] = w.text(kDayFields[i]);
  dayKey_ = std::move(key);
}

}  // namespace tessaly::almanac
