// Every circumstance of the Moon shown for the moment of observation.
#include <cmath>

#include "engine/Engine.h"
#include "engine/NumberText.h"
#include "engine/WholeNumber.h"

namespace tessaly {

void Engine::sunFromDate() {
  s.TermD = s.JDShort - 44238.5;
  double n = (360 / 365.2422) * s.TermD;
  n = (n / 360 - Int(n / 360)) * 360;
  s.SunN = n;
  double m = n - 3.762863;
  if (m < 0) m += 360;
  s.MeanAnom = m * s.Rad;
  Kepler();
  s.TermB = std::sqrt(1.0167086 / 0.9832914) * std::tan(s.EccAnom / 2);
  s.SunTrue = std::atan(s.TermB) * 360 / s.Pi;
  s.SunLon = s.SunTrue + 282.596403;
  while (s.SunLon >= 360) s.SunLon -= 360;
  while (s.SunLon < 0) s.SunLon += 360;
}

void Engine::showRightAscension() {
  // A display of 60 seconds moves the value on by about half a second, which
  // the hour angle then uses too.
  for (;;) {
    s.RaH = Int(s.MoonRA);
    s.RaM = (s.MoonRA - s.RaH) * 60;
    s.RaS = (s.RaM - Int(s.RaM)) * 60;
    if (Int(s.RaS + 0.5) != 60) break;
    s.MoonRA += 0.00014;
  }
  show(Shown::RAHour, s.RaH);
  show(Shown::RAMin, Int(s.RaM));
  show(Shown::RASec, Int(s.RaS + 0.5));
}

void Engine::showDeclination() {
  for (;;) {
    s.DecD = Fix(s.MoonDec);
    s.DecM = std::fabs(s.MoonDec - s.DecD) * 60;
    s.DecS = (s.DecM - Int(s.DecM)) * 60;
    if (Int(s.DecS + 0.5) != 60) break;
    s.MoonDec += 0.00014;
  }
  // The sign stands apart: the degrees are 0 between -1 and 0.
  show(Shown::Label33, s.MoonDec < 0 ? "-" : "");
  show(Shown::DeclGrad, std::fabs(s.DecD));
  show(Shown::DeclMin, Int(s.DecM));
  show(Shown::DeclSec, Int(s.DecS + 0.5));
}

void Engine::showAltitudeAndAzimuth(bool azimuthFormed) {
  s.AzDeg = s.AzDeg + s.azimuthOffset();
  if (s.AzDeg > 360) s.AzDeg -= 360;
  s.ZenDist = 90 - s.AltGeo;
  show(Shown::AltTrue, CInt(s.AltGeo * 10) / 10);
  if (observerAtPole() || !azimuthFormed)
    show(Shown::AzimTrue, "- - - - - -");
  else
    show(Shown::AzimTrue, CInt(s.AzDeg * 10) / 10);
}

void Engine::refraction() {
  const double z = s.ZenDist, h = s.AltGeo;
  double r;
  if (z <= 85) {
    const double t = std::tan(z * s.Rad);
    s.TanZ = t;
    r = (58.16 * t - 0.067 * std::pow(t, 3)) + 0.000086 * std::pow(t, 5);
  } else if (z <= 90.575) {
    r = (((0.711 * h - 12.79) * h + 103.4) * h - 518.2) * h + 1735;
  } else {
    r = -20.774 / std::tan(h * s.Rad);
  }
  s.RefrSec = r;
  s.ZenApp = z - r / 3600;
  s.AppAlt = 90 - s.ZenApp;
  if (s.AppAlt < 0)
    show(Shown::AltApp, "--------");
  else
    show(Shown::AltApp, Fix(s.AppAlt * 10 + 0.5) / 10);
}

void Engine::showSizeAndDistance() {
  const double sinPar = std::sin(s.MoonPar * s.Rad);
  s.DiamArc = (2 * (s.MoonPar * 0.272476 * 60)) * (1 + sinPar * std::sin(s.AppAlt * s.Rad));
  show(Shown::LongSun, Int(s.MoonLon * 10000) / 10000);
  show(Shown::LatLuna, Int(s.MoonLat * 10000) / 10000);
  s.DistKm = 6378.14 / sinPar;
  show(Shown::Distkm, Int(s.DistKm));
  show(Shown::DistPer, Int(s.DistKm / 384400 * 1000) / 10);
  for (;;) {
    s.DiamSecs = static_cast<std::int16_t>(CInt((s.DiamArc - Int(s.DiamArc)) * 60));
    if (s.DiamSecs != 60) break;
    s.DiamArc += 0.0084;
  }
  show(Shown::DiamMin, Int(s.DiamArc));
  show(Shown::DiamSec, double(s.DiamSecs));
}

void Engine::MAINCALC() {
  DayOfYear();
  julianDateOfMoment();
  const std::string julianDate = showJulianDate();
  julianDateAtLocalMidnight();
  localSiderealTime(s.UTHour);
  showSiderealTime();
  sunFromDate();
  moonAtMoment();
  s.IllumPct = (1 - std::cos((s.MoonLon - s.SunLon) * s.Rad)) * 50;
  show(Shown::Fraction, Int(s.IllumPct * 10 + 0.5) / 10);
  showRightAscension();
  showDeclination();
  showAltitudeAndAzimuth(horizon());
  refraction();
  showSizeAndDistance();
  // PhaseMoon without its DayOfYear: the first step above has just run it on
  // the same date, and a second run would leave the same DoyBase and DOY.
  phasesAndAge(julianDate);
  show(Shown::Label37, Int(s.MoonAge * 1000 + 0.5) / 1000);
}

}  // namespace tessaly
