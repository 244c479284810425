// Julian date, 0h UT of the local date, sidereal time and day of the year.
#include <cmath>

#include "engine/Engine.h"
#include "engine/NumberText.h"
#include "engine/WholeNumber.h"

namespace tessaly {

void Engine::DayOfYear() {
  double quarter = s.InYear / 4;
  std::int16_t k = single(quarter - Fix(quarter)) == 0 ? 62 : 63;
  if (s.InYear == 1700 || s.InYear == 1800 || s.InYear == 1900 || s.InYear == 2100) k = 63;
  if (s.InMonth > 2)
    s.DoyBase = single(Fix((s.InMonth + 1) * 30.6) - k);
  else
    s.DoyBase = single(Fix((s.InMonth - 1) * k / 2));
  show(Shown::DOY, s.InDay + s.DoyBase);
}

void Engine::julianDateOfMoment() {
  if (s.InMonth > 2) {
    s.YearJ = s.InYear;
    s.MeanAnom = s.InMonth;
  } else {
    s.YearJ = s.InYear - 1;
    s.MeanAnom = s.InMonth + 12;
  }
  s.ScratchV = Int(s.YearJ / 100);
  s.TermB = 2 - s.ScratchV + Int(s.ScratchV / 4);
  s.TermC = Int(s.YearJ * 365.25);
  s.TermD = Int((s.MeanAnom + 1) * 30.6001);
  s.JDShort = ((s.TermB + s.TermC) + s.TermD) + s.DayUT - 679005.5;
  s.TCent = (s.JDShort - 15020) / 36525;
}

std::string Engine::showJulianDate() {
  std::string text = numberText(Int(s.JDShort * 100000 + 0.5) / 100000 + 2400000);
  w.setText("JulianDate", text);
  return text;
}

void Engine::julianDateAtLocalMidnight() {
  s.ScratchV = s.JDShort - Int(s.JDShort);
  if (s.ScratchV < s.MidFrac) s.JD0Short = s.JDShort - s.ScratchV - 0.5;
  if (s.ScratchV >= s.MidFrac) s.JD0Short = s.JDShort - s.ScratchV + 0.5;
  s.TCent0 = (s.JD0Short - 15020) / 36525;
}

void Engine::localSiderealTime(double utHour) {
  s.GST0 = 6.6460656 + 2400.051262 * s.TCent0 + 0.00002581 * std::pow(s.TCent0, 2);
  double g = ((s.GST0 - 24 * (s.InYear - 1900)) - 24) + 1.002738 * utHour;
  // RISESETCULM also runs on a zone or date that no check has passed; the
  // loops alone would never end for such a g. fmod is exact: wherever the
  // loops do end, they reach the same g.
  if (std::fabs(g) >= 1e6) g = std::fmod(g, 24);
  while (g >= 24) g -= 24;
  while (g < 0) g += 24;
  s.LST = s.ObsLong + g;
  if (s.LST < 0) s.LST += 24;
  if (s.LST > 24) s.LST -= 24;
}

void Engine::showSiderealTime() {
  // A display of 60 seconds moves the time on by about half a second; the
  // moved value stays, so the hour angle agrees with what is shown.
  for (;;) {
    s.SidMinF = single((s.LST - Int(s.LST)) * 60);
    s.SidSecs = static_cast<std::int16_t>(CInt((s.SidMinF - Int(s.SidMinF)) * 60));
    if (s.SidSecs != 60) break;
    s.LST += 0.00014;
  }
  show(Shown::SidHour, Int(s.LST));
  show(Shown::SidMin, Int(s.SidMinF));
  show(Shown::SidSec, double(s.SidSecs));
}

}  // namespace tessaly
