// The observer's zone and position as read from the window's fields, in the
// engine's units: longitude in hours east, latitude in radians north.
#include <cmath>
#include <limits>

#include "engine/Engine.h"
#include "engine/NumberReading.h"
#include "engine/WholeNumber.h"

namespace tessaly {

bool Engine::readObserver() {
  // A number beyond the single range does not fit a single field: reading
  // stops there, as at a run-time error, and the field keeps its old value
  // rather than becoming infinite.
  const auto readSingle = [this](std::string_view field, float& target) {
    const double value = numberOf(w.text(field));
    if (std::fabs(value) > std::numeric_limits<float>::max()) return false;
    target = single(value);
    return true;
  };
  if (!readSingle("Timezon", s.TZone)) return false;
  s.ObsLong = numberOf(w.text("LongGrad"));
  if (!readSingle("LongMin", s.ObsLongMin)) return false;
  s.ObsLat = numberOf(w.text("LatGrad"));
  if (!readSingle("LatMin", s.ObsLatMin)) return false;
  convertObserver();
  return true;
}

void Engine::convertObserver() {
  s.ObsLat = (s.ObsLat + s.ObsLatMin / 60.0) * s.Rad;
  s.ObsLong = (s.ObsLong + s.ObsLongMin / 60.0) / 15;
  if (w.topEntry("List1") == 1) s.ObsLong = -s.ObsLong;
  if (w.topEntry("List2") == 1) s.ObsLat = -s.ObsLat;
}

}  // namespace tessaly
