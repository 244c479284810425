#include "almanacwindow/DayCurve.h"

#include <cmath>
#include <optional>

#include "almanac/Columns.h"
#include "almanac/EventRow.h"
#include "almanac/RowCalculator.h"
#include "engine/NumberReading.h"
#include "engine/NumberText.h"
#include "engine/WholeNumber.h"
#include "window/Calculate.h"

namespace tessaly {
namespace {

// In the order of the almanac's event fields.
constexpr DayEvent kEvents[] = {DayEvent::Rise, DayEvent::Set, DayEvent::UpperCulmination,
                                DayEvent::LowerCulmination};
static_assert(std::size(kEvents) == std::size(almanac::kDayEventFields));

// The azimuth Calculate worked out, before the reference in force turned it.
double azimuthFromNorth(const ObservationState& s) {
  const double azimuth = std::fmod(s.AzDeg - s.azimuthOffset(), 360);
  return azimuth < 0 ? azimuth + 360 : azimuth;
}

// The day's events as the window's Calculate shows them, or, on a date a
// linked zone changes its offset, as the almanac's row of that date does.
std::vector<DayMark> dayMarks(AlmanacMoment& moment, const Zone* linked, date::local_days day) {
  const bool offsetChanges =
      linked && linked->textsBetween(linked->instant(day), linked->instant(day + date::days{1})).size() > 1;
  std::optional<almanac::EventRow> row;
  if (offsetChanges) {
    almanac::RowCalculator calculator(moment.window(), moment.state().AzimShift, kNamedZoneHigh);
    row.emplace();
    if (almanac::eventRow(calculator, *linked, day, almanac::kEventHour, *row)) row.reset();
  }
  const auto text = [&](ElementName field) {
    return row ? row->fields.text(field.text()) : moment.window().text(field);
  };
  std::vector<DayMark> marks;
  for (std::size_t i = 0; i < std::size(kEvents); ++i) {
    const almanac::DayEventFields& e = almanac::kDayEventFields[i];
    const std::string hour = text(e.hour);
    if (hour == "-") continue;
    const std::string minute = text(e.minute);
    marks.push_back({kEvents[i], hour, minute, text(e.value), numberOf(hour) + numberOf(minute) / 60});
  }
  return marks;
}

}  // namespace

std::string clockText(const std::string& hour, const std::string& minute) {
  return almanac::withTwoDigitMinutes(hour + ":" + minute);
}

DayCurve dayCurve(AlmanacMoment& moment, const Zone* linked) {
  const WindowModel& w = moment.window();
  ObservationState& s = moment.engine().state();
  const date::local_days day{date::year{static_cast<int>(s.InYear)} / static_cast<int>(s.InMonth) /
                             static_cast<int>(s.InDay)};
  DayCurve curve;
  curve.dateText = w.text("DateDay") + "." + w.text("DateMonth") + "." + w.text("DateYear");
  curve.marks = dayMarks(moment, linked, day);

  // Each sample starts from the state Calculate left and sets the moment as
  // Calculate does; the moment's own results are put back afterwards.
  const ObservationState calculated = s;
  for (int minutes = 0; minutes <= 24 * 60; minutes += kMinutesPerSample) {
    s = calculated;
    if (linked) {
      const date::local_seconds local = day + std::chrono::minutes{minutes};
      const LocalMoment own = linked->moment(linked->instant(local));
      if (own.local != local) continue;
      s.TZone = single(numberOf(own.zone));
    }
    s.InHour = minutes / 60;
    s.InMin = minutes % 60;
    s.InSec = 0;
    setUniversalTime(s);
    moment.engine().MAINCALC();
    curve.samples.push_back({minutes / 60.0, s.AltGeo, w.text("AltTrue"), azimuthFromNorth(s)});
  }
  s = calculated;
  moment.engine().MAINCALC();
  return curve;
}

DayMoment dayMoment(const AlmanacMoment& moment) {
  const ObservationState& s = moment.state();
  const WindowModel& w = moment.window();
  std::string seconds = numberText(s.InSec);
  if (seconds.size() < 2) seconds = "0" + seconds;
  return {s.InHour + s.InMin / 60 + s.InSec / 3600, s.AltGeo,
          clockText(numberText(s.InHour), numberText(s.InMin)) + ":" + seconds, w.text("AltTrue"), azimuthFromNorth(s)};
}

}  // namespace tessaly
