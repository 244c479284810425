// The Moon's place at the date's sampled hours, kept from RISESETCULM for a
// later MAINCALC at one of those moments: hourly rows of a date then work
// the series out once per hour, not twice, and daily rows share the hour
// between two dates.
#include <algorithm>

#include "engine/Engine.h"

namespace tessaly {

void Engine::moonAtMoment() {
  if (!keepSamples_) {
    MoonEcl();
    return;
  }
  const auto at = std::ranges::lower_bound(moonSamples_, s.TCent, {}, &MoonSample::TCent);
  if (at != moonSamples_.end() && at->TCent == s.TCent && at->Rad == s.Rad) {
    const MoonSample& m = *at;
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
