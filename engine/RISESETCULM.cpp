// The day's moonrise, moonset and culminations, found by sampling the Moon
// at the 25 whole local hours of the date and interpolating inside the hour.
#include <cmath>
#include <string>

#include "engine/Engine.h"
#include "engine/NumberText.h"
#include "engine/WholeNumber.h"

namespace tessaly {
namespace {

struct Event {
  double time = -1;  // local decimal hours; below 0: not found
  double value = 0;  // altitude or azimuth shown beside it
};

struct DayEvents {
  Event upper, lower, rise, set;
};

struct Sample {
  double alt, az;
};

double shiftedAzimuth(double azimuth, double offset) {
  azimuth += offset;
  if (azimuth > 360) azimuth -= 360;
  return azimuth;
}

void testStep(const Sample& prev, const Sample& now, double u, double zone, double parallax,
              double azimuthOffset, DayEvents& found) {
  if (prev.az <= 180 && now.az > 180) {
    const double f = (now.az - 180) / (now.az - prev.az);
    found.upper = {(u - f) + zone, prev.alt < now.alt ? now.alt : prev.alt};
  }
  if (prev.az > 330 && now.az < 30) {
    const double f = now.az / (now.az + 360 - prev.az);
    found.lower = {(u - f) + zone, prev.alt >= now.alt ? now.alt : prev.alt};
  }
  const double h0 = parallax - 0.831;
  const bool rises = prev.alt <= h0 && now.alt > h0;
  const bool sets = prev.alt > h0 && now.alt <= h0;
  if (rises || sets) {
    // Interpolated to altitude 0, not to h0; the azimuth is not unwrapped.
    const double f = now.alt / (now.alt - prev.alt);
    const double az = now.az - (now.az - prev.az) * now.alt / (now.alt - prev.alt);
    Event& event = rises ? found.rise : found.set;
    event = {(u - f) + zone, shiftedAzimuth(az, azimuthOffset)};
  }
}

}  // namespace

namespace {

void showEvent(FieldStore& w, const std::string& hourField, const std::string& minuteField,
               const std::string& valueField, const Event& e, bool isAzimuth) {
  if (e.time < 0) {
    w.setText(hourField, "-");
    w.setText(minuteField, "-");
    w.setText(valueField, "-");
    return;
  }
  double hour = Fix(e.time);
  double minute = Int((e.time - Int(e.time)) * 60 + 0.5);
  if (minute == 60) {
    minute = 0;
    hour += 1;  // can reach 24; the date is never advanced
  }
  w.setText(hourField, numberText(hour));
  w.setText(minuteField, numberText(minute));
  const double shown = isAzimuth ? CInt(e.value * 10) / 10 : Int(e.value * 10 + 0.5) / 10;
  w.setText(valueField, numberText(shown));
}

}  // namespace

void Engine::RISESETCULM() {
  // Like a failing sample, a place that cannot be read leaves the twelve
  // fields as they are.
  if (!readObserver()) return;
  DayEvents found;
  Sample prev{};
  bool havePrev = false;
  for (int k = 0; k <= 24; ++k) {
    const float u = static_cast<float>(k) - s.TZone;
    s.UTHour = u;
    s.DayUT = s.InDay + u / 24.0;
    julianDateOfMoment();
    s.JD0Short = ((s.TermB + s.TermC) + s.TermD) + s.InDay - 679005.5;
    s.TCent0 = (s.JD0Short - 15020) / 36525;
    localSiderealTime(u);
    // The first hour may be the last one of the date before.
    if (k == 0)
      moonAtMoment();
    else
      MoonEcl();
    keepMoonSample(k);
    // A sample whose azimuth cannot be formed (the Moon in the zenith) is
    // left out; the neighbouring samples still bracket the events.
    if (!horizon()) continue;
    const Sample now{s.AltGeo, s.AzDeg};
    if (havePrev) testStep(prev, now, u, s.TZone, s.MoonPar, s.azimuthOffset(), found);
    prev = now;
    havePrev = true;
  }
  showEvent(w, "RiseHour", "RiseMin", "RAzim", found.rise, true);
  showEvent(w, "SetHour", "SetMin", "SAzim", found.set, true);
  showEvent(w, "CulmHour(0)", "CulmMin(0)", "ATransit(0)", found.upper, false);
  showEvent(w, "CulmHour(1)", "CulmMin(1)", "ATransit(1)", found.lower, false);
}

}  // namespace tessaly
