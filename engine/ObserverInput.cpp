// The observer's zone and position as read from the window's fields, in the
// engine's units: longitude in hours east, latitude in radians north.
#include "Engine.h"
#include "NumberReading.h"
#include "WholeNumber.h"

namespace tessaly {

void Engine::readObserver() {
  s.TZone = single(numberOf(w.text("Timezon")));
  s.ObsLong = numberOf(w.text("LongGrad"));
  s.ObsLongMin = single(numberOf(w.text("LongMin")));
  s.ObsLat = numberOf(w.text("LatGrad"));
  s.ObsLatMin = single(numberOf(w.text("LatMin")));
  s.ObsLat = (s.ObsLat + s.ObsLatMin / 60.0) * s.Rad;
  s.ObsLong = (s.ObsLong + s.ObsLongMin / 60.0) / 15;
  if (w.topEntry("List1") == 1) s.ObsLong = -s.ObsLong;
  if (w.topEntry("List2") == 1) s.ObsLat = -s.ObsLat;
}

}  // namespace tessaly
