#include "almanac/RowCalculator.h"

#include "window/CalculateFields.h"
#include "window/CaptionsAdditions.h"
#include "window/PhaseOffsets.h"

namespace tessaly::almanac {

RowCalculator::RowCalculator(const MainForm& source)
    : RowCalculator(source.model(), source.state().AzimShift, source.linkedZone().zoneHigh()) {}

RowCalculator::RowCalculator(const WindowModel& from, std::optional<double> azimuthShift, double zoneHigh)
    : zoneHigh_(zoneHigh), form_(clock_, message_, exit_), riseSetCulm_([this](Engine& e) { riseSetCulm(e); }) {
  setAngleConstants(form_.state());
  form_.engine().keepMoonSamples(true);
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
  // The check rewrote the zone's text as it read it; the field keeps that.
  const bool placeChecked = moment.zone == checkedZone_;
  if (!placeChecked) {
    w.setText("Timezon", moment.zone);
    ++zoneEntered_;
  }
  message_.shown.clear();
  if (Command2_Click(form_.engine(), message_, riseSetCulm_, placeChecked, zoneHigh_))
    checkedZone_ = moment.zone;
  else
    checkedZone_.reset();
  return message_.first();
}

void RowCalculator::showPhasesIn(const Zone& zone) { showPhasesInTheirOffsets(form_.model(), zone); }

void RowCalculator::readOnly(std::span<const std::string_view> fields) {
  ShownSet shown;
  for (std::string_view field : fields)
    if (const std::optional<Shown> f = shownField(field)) shown.set(static_cast<std::size_t>(*f));
  form_.engine().showOnly(shown);
}

bool RowCalculator::sameDay() const {
  const ObservationState& s = form_.state();
  return dayKey_ && dayKey_->day == s.InDay && dayKey_->month == s.InMonth && dayKey_->year == s.InYear &&
         dayKey_->azimuthShift == s.AzimShift && dayKey_->zoneEntered == zoneEntered_;
}

// Only RISESETCULM writes the twelve fields of the day's events, so after a
// calculation for the same day they still show its texts.
void RowCalculator::riseSetCulm(Engine& engine) {
  if (sameDay()) return;
  engine.RISESETCULM();
  const ObservationState& s = form_.state();
  dayKey_ = DayKey{s.InDay, s.InMonth, s.InYear, s.AzimShift, zoneEntered_};
}

}  // namespace tessaly::almanac
