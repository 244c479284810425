// The Moon's place at the date's sampled hours, kept from RISESETCULM for a
// later MAINCALC at one of those moments: hourly rows of a date then work
// the series out once per hour, not twice.
#include "engine/Engine.h"

namespace tessaly {

void Engine::keepMoonSample(int hour) {
  moonSamples_[static_cast<std::size_t>(hour)] = {s.TCent, s.Rad,     s.MoonLon,  s.MoonLat, s.MoonPar, s.Obliq,
                                                  s.AtnNum, s.AtnDen, s.MoonDec, s.ScratchV, s.AtnAdd,  s.MoonRA};
}

void Engine::moonAtMoment() {
  for (const MoonSample& m : moonSamples_) {
    if (m.TCent != s.TCent || m.Rad != s.Rad) continue;
    s.MoonLon = m.MoonLon;
    s.MoonLat = m.MoonLat;
    s.MoonPar = m.MoonPar;
    s.Obliq = m.Obliq;
    s.AtnNum = m.AtnNum;
    s.AtnDen = m.AtnDen;
    s.MoonDec = m.MoonDec;
    s.ScratchV = m.ScratchV;
    s.AtnAdd = m.AtnAdd;
    s.MoonRA = m.MoonRA;
    return;
  }
  MoonEcl();
}

}  // namespace tessaly
