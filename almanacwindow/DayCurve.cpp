#include "almanacwindow/DayCurve.h"

#include <cmath>

#include "engine/NumberReading.h"
#include "engine/NumberText.h"
#include "window/Calculate.h"

namespace tessaly {
namespace {

struct EventFields {
  DayEvent event;
  ElementName hour, minute, value;
};
constexpr EventFields kEvents[] = {
    {DayEvent::Rise, "RiseHour", "RiseMin", "RAzim"},
    {DayEvent::Set, "SetHour", "SetMin", "SAzim"},
    {DayEvent::UpperCulmination, "CulmHour(0)", "CulmMin(0)", "ATransit(0)"},
    {DayEvent::LowerCulmination, "CulmHour(1)", "CulmMin(1)", "ATransit(1)"},
};

// The azimuth Calculate worked out, before the reference in force turned it.
double azimuthFromNorth(const ObservationState& s) {
  const double azimuth = std::fmod(s.AzDeg - s.azimuthOffset(), 360);
  return azimuth < 0 ? azimuth + 360 : azimuth;
}

}  // namespace

std::string clockText(const std::string& hour, const std::string& minute) {
  return hour + (minute.size() < 2 ? ":0" : ":") + minute;
}

DayCurve dayCurve(AlmanacMoment& moment) {
  const WindowModel& w = moment.window();
  DayCurve day;
  day.dateText = w.text("DateDay") + "." + w.text("DateMonth") + "." + w.text("DateYear");
  for (const EventFields& e : kEvents) {
    const std::string hour = w.text(e.hour);
    if (hour == "-") continue;
    const std::string minute = w.text(e.minute);
    day.marks.push_back({e.event, hour, minute, w.text(e.value), numberOf(hour) + numberOf(minute) / 60});
  }

  // Each sample starts from the state Calculate left and sets the moment as
  // Calculate does; the moment's own results are put back afterwards.
  ObservationState& s = moment.engine().state();
  const ObservationState calculated = s;
  for (int minutes = 0; minutes <= 24 * 60; minutes += kMinutesPerSample) {
    s = calculated;
    s.InHour = minutes / 60;
    s.InMin = minutes % 60;
    s.InSec = 0;
    setUniversalTime(s);
    moment.engine().MAINCALC();
    day.samples.push_back({minutes / 60.0, s.AltGeo, w.text("AltTrue"), azimuthFromNorth(s)});
  }
  s = calculated;
  moment.engine().MAINCALC();
  return day;
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
