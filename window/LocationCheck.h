#pragma once
#include "engine/Engine.h"
#include "window/MessageSink.h"

namespace tessaly {

// Latitude bounds in radians: Calculate refuses 90 degrees 0.01 minutes,
// the real-time tick accepts it.
inline constexpr double kCalculateLatitudeBound = 1.5707963268;
inline constexpr double kTickLatitudeBound = 1.5708;
// The zone's upper bound in hours: a typed zone keeps its check, a linked
// named zone's offset reaches +14 (Kiribati; New Zealand's summer is +13).
inline constexpr double kTypedZoneHigh = 12;
inline constexpr double kNamedZoneHigh = 14;

// Reads, rewrites and checks the location and zone fields and converts them
// into the state; on the first failed check shows its message and returns
// false.
bool checkLocation(Engine& engine, MessageSink& messages, double latitudeBound, double zoneHigh = kTypedZoneHigh);

}  // namespace tessaly
