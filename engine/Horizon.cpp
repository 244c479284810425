// Altitude and azimuth from the hour angle: the formulas MAINCALC and
// RISESETCULM share.
#include <algorithm>
#include <cmath>

#include "engine/Engine.h"

namespace tessaly {
namespace {

// Rounding can carry a sine or cosine just beyond one near the zenith, the
// meridian or a pole; the square roots below must never see that.
double clampUnit(double x) { return std::clamp(x, -1.0, 1.0); }

}  // namespace

bool Engine::horizon() {
  const double H = (s.LST - s.MoonRA) / 12 * s.Pi;
  const double phi = s.ObsLat;
  const double delta = s.MoonDec * s.Rad;
  s.SinAlt = clampUnit(std::sin(phi) * std::sin(delta) + std::cos(delta) * std::cos(phi) * std::cos(H));
  const double cosAlt = std::sqrt(1 - std::pow(s.SinAlt, 2));
  s.AltGeo = std::atan(s.SinAlt / cosAlt) / s.Rad;

  const double c = ((std::sin(delta) - std::sin(phi) * s.SinAlt) / std::cos(phi)) / cosAlt;
  if (std::isnan(c)) return false;  // zenith or nadir: no azimuth exists
  s.AzDeg = clampUnit(c);
  s.AtnNum = std::sqrt(1 - std::pow(s.AzDeg, 2));
  s.AtnDen = s.AzDeg;
  if (s.AtnDen == 0) {
    s.AzDeg = 90;  // due east, or due west after the turn below
  } else {
    s.AzDeg = std::atan(s.AtnNum / s.AtnDen) / s.Rad;
    UnAtn();
    s.AzDeg = s.AzDeg + s.AtnAdd;
  }
  if (std::sin(H) > 0) s.AzDeg = 360 - s.AzDeg;
  return true;
}

}  // namespace tessaly
