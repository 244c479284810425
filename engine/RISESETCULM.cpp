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

struct HorizonCrossing {
  double back;     // part of the hour back from the later sample
  double azimuth;  // north-based
};

// The step is found by its crossing of h0, but the crossing is placed where
// the straight line between the samples meets altitude 0, and the azimuth
// follows the same line. Where that azimuth is plainly wrong the crossing is
// mended: samples either side of north are joined on the short arc through
// north instead of the long way through south, and a line that meets 0 so
// far outside the hour that its azimuth leaves the circle (the Moon grazing
// the horizon, both samples between 0 and h0) is held to the hour. Every
// other crossing keeps the line's values. At a pole the horizon has no
// north, and the line's values stand.
HorizonCrossing crossingInHour(const Sample& prev, const Sample& now, bool atPole) {
  const double back = now.alt / (now.alt - prev.alt);
  const double turn = now.az - prev.az;
  const double azimuth = now.az - turn * now.alt / (now.alt - prev.alt);
  const bool longWay = std::fabs(turn) > 180;
  const bool offCircle = azimuth < 0 || azimuth > 360;
  if (atPole || !(longWay || offCircle)) return {back, azimuth};
  if (back < 0) return {0, now.az};
  if (back > 1) return {1, prev.az};
  double shortArc = now.az - (longWay ? (turn > 0 ? turn - 360 : turn + 360) : turn) * back;
  if (shortArc < 0) shortArc += 360;
  if (shortArc > 360) shortArc -= 360;
  return {back, shortArc};
}

struct Step {
  double u, zone, parallax, azimuthOffset;
  bool atPole;
};

double shiftedAzimuth(double azimuth, double offset) {
  azimuth += offset;
  if (azimuth > 360) azimuth -= 360;
  return azimuth;
}

void testStep(const Sample& prev, const Sample& now, const Step& step, DayEvents& found) {
  const double u = step.u, zone = step.zone;
  if (prev.az <= 180 && now.az > 180) {
    const double f = (now.az - 180) / (now.az - prev.az);
    found.upper = {(u - f) + zone, prev.alt < now.alt ? now.alt : prev.alt};
  }
  if (prev.az > 330 && now.az < 30) {
    const double f = now.az / (now.az + 360 - prev.az);
    found.lower = {(u - f) + zone, prev.alt >= now.alt ? now.alt : prev.alt};
  }
  const double h0 = step.parallax - 0.831;
  const bool rises = prev.alt <= h0 && now.alt > h0;
  const bool sets = prev.alt > h0 && now.alt <= h0;
  if (rises || sets) {
    const HorizonCrossing c = crossingInHour(prev, now, step.atPole);
    Event& event = rises ? found.rise : found.set;
    event = {(u - c.back) + zone, shiftedAzimuth(c.azimuth, step.azimuthOffset)};
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
    if (havePrev) testStep(prev, now, {u, s.TZone, s.MoonPar, s.azimuthOffset(), observerAtPole()}, found);
    prev = now;
    havePrev = true;
  }
  showEvent(w, "RiseHour", "RiseMin", "RAzim", found.rise, true);
  showEvent(w, "SetHour", "SetMin", "SAzim", found.set, true);
  showEvent(w, "CulmHour(0)", "CulmMin(0)", "ATransit(0)", found.upper, false);
  showEvent(w, "CulmHour(1)", "CulmMin(1)", "ATransit(1)", found.lower, false);
}

}  // namespace tessaly
