#pragma once
#include <functional>

#include "Engine.h"
#include "MessageSink.h"

namespace tessaly {

// Calculate: checks every input field in its fixed order, corrects a day
// beyond the month's end silently, and runs the whole calculation. Returns
// false when a check failed and its message was shown.
bool Command2_Click(Engine& engine, MessageSink& messages);

// The same for a caller calculating many moments: the day's rise, set and
// culminations come through riseSetCulm in place of RISESETCULM itself (one
// that repeats a date's texts), and without phasesBeforeMainCalc the phases
// are left to MAINCALC, which computes them again and rewrites every field
// and value the first computation wrote.
using RiseSetCulm = std::function<void(Engine&)>;
bool Command2_Click(Engine& engine, MessageSink& messages, const RiseSetCulm& riseSetCulm,
                    bool phasesBeforeMainCalc = true);

}  // namespace tessaly
