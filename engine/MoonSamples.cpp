// The Moon's place at the date's sampled hours, kept from RISESETCULM for a
// later MAINCALC at one of those moments: hourly rows of a date then work
// the series out once per hour, not twice, and daily rows share the hour
// between two dates.
#include <algorithm>
#include <iterator>

#include "engine/Engine.h"

namespace tessaly {
namespace {

// What MoonEcl writes, besides nothing it reads.
constexpr double ObservationState::*kMoonPlace[] = {
    &ObservationState::MoonLon, &ObservationState::MoonLat, &ObservationState::MoonPar,  &ObservationState::Obliq,
    &ObservationState::AtnNum,  &ObservationState::AtnDen, &ObservationState::MoonDec,  &ObservationState::ScratchV,
    &ObservationState::AtnAdd,  &ObservationState::MoonRA,
};

}  // namespace

void Engine::storeMoonSample(int hour) {
  MoonSample& m = moonSamples_[static_cast<std::size_t>(hour)];
  static_assert(std::size(kMoonPlace) == std::tuple_size_v<decltype(m.place)>);
  m.TCent = s.TCent;
  m.Rad = s.Rad;
  for (std::size_t i = 0; i < m.place.size(); ++i) m.place[i] = s.*kMoonPlace[i];
}

void Engine::moonAtMoment() {
  if (!keepSamples_) {
    MoonEcl();
    return;
  }
  const auto at = std::ranges::lower_bound(moonSamples_, s.TCent, {}, &MoonSample::TCent);
  if (at == moonSamples_.end() || at->TCent != s.TCent || at->Rad != s.Rad) {
    MoonEcl();
    return;
  }
  for (std::size_t i = 0; i < at->place.size(); ++i) s.*kMoonPlace[i] = at->place[i];
}

}  // namespace tessaly
