#pragma once
#include <functional>

#include "engine/Engine.h"
#include "window/LocationCheck.h"
#include "window/MessageSink.h"

namespace tessaly {

// The years Calculate accepts.
inline constexpr int kFirstYear = 1700, kLastYear = 2100;

// The moment in universal time of the local date and time in the state, as
// Calculate sets it (not the real-time tick, which works in single precision).
void setUniversalTime(ObservationState& s);

// Calculate: checks every input field in its fixed order, corrects a day
// beyond the month's end silently, and runs the whole calculation. Returns
// false when a check failed and its message was shown. A linked named zone
// raises the zone's upper bound.
bool Command2_Click(Engine& engine, MessageSink& messages, double zoneHigh = kTypedZoneHigh);

// The same, with the day's rise, set and culminations obtained through
// riseSetCulm in place of RISESETCULM itself: a caller calculating many
// moments of one date may hand in one that repeats the date's texts. With
// placeChecked the location check is left out: the caller vouches that the
// place and zone fields are as the last passed check left them, and that the
// record still holds what that check read.
using RiseSetCulm = std::function<void(Engine&)>;
bool Command2_Click(Engine& engine, MessageSink& messages, const RiseSetCulm& riseSetCulm, bool placeChecked,
                    double zoneHigh = kTypedZoneHigh);

}  // namespace tessaly
