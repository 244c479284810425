#pragma once
// Where the clocks change, a phase is shown in the offset in force at the
// phase rather than the one of the moment calculated, so that it falls on
// the date and at the hour the zone's clocks show then.
#include <string>

#include "places/Zone.h"
#include "window/WindowModel.h"

namespace tessaly {

// A phase date as Calculate shows it ("D.M.YYYY H:M") in the zone text
// `shownIn`, shown instead in the offset the zone has at the phase.
std::string phaseDateInItsOffset(const Zone& zone, const std::string& shownIn, const std::string& dateText);

// Both phase dates of a window whose Calculate ran in its Timezone text.
void showPhasesInTheirOffsets(WindowModel& window, const Zone& zone);

}  // namespace tessaly
