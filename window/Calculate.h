#pragma once
#include "Engine.h"
#include "MessageSink.h"

namespace tessaly {

// Calculate: checks every input field in its fixed order, corrects a day
// beyond the month's end silently, and runs the whole calculation. Returns
// false when a check failed and its message was shown.
bool Command2_Click(Engine& engine, MessageSink& messages);

}  // namespace tessaly
