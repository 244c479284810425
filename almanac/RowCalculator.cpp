#include "almanac/RowCalculator.h"

#include "window/CalculateFields.h"
#include "window/CaptionsAdditions.h"

namespace tessaly::almanac {
namespace {


}  // namespace

RowCalculator::RowCalculator(const MainForm& source) : RowCalculator(source.model(), source.state().AzimShift) {}

RowCalculator::RowCalculator(const WindowModel& from, std::optional<double> azimuthShift)
    : form_(clock_, message_, exit_), riseSetCulm_([this](Engine& e) { riseSetCulm(e); }) {
  setAngleConstants(form_.state());
  form_.state().AzimShift = azimuthShift;
  if (languageInForce(from) == Language::English)
    form_.me1_9_Click();
  else
    form_.me1_10_Click();
  WindowModel& to = form_.model();
  to.setSelected("Option2", true);
  for (ElementName field : placeFields()) to.setText(field, from.text(field));
  to.selectEntry("List1", from.topEntry("List1"));
  to.selectEntry("List2", from.topEntry("List2"));
}

Language RowCalculator::language() const {
  return languageInForce(fields());
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
  message_.shown.clear();
  Command2_Click(form_.engine(), message_, riseSetCulm_);
  return message_.first();
}

RowCalculator::DayKey RowCalculator::dayKey() const {
  const ObservationState& s = form_.state();
  const WindowModel& w = form_.model();
  DayKey key{s.InDay, s.InMonth, s.InYear, {}, w.topEntry("List1"), w.topEntry("List2"), s.AzimShift};
  for (std::size_t i = 0; i < key.place.size(); ++i) key.place[i] = w.text(placeFields()[i]);
  return key;
}

// Only RISESETCULM writes the twelve fields of the day's events, so after a
// calculation for the same day they still show its texts.
void RowCalculator::riseSetCulm(Engine& engine) {
  DayKey key = dayKey();
  if (key == dayKey_) return;
  engine.RISESETCULM();
  dayKey_ = std::move(key);
}

}  // namespace tessaly::almanac
