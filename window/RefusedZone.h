#pragma once
// What the window tells when start-up could not bring back the saved link to
// a named zone: its file in the system's database is damaged or gone. The
// window then goes on at the saved offset, as before the link.
#include <optional>
#include <string>

#include "window/MainForm.h"

namespace tessaly {

// The message naming the zone and the offset the Timezone box keeps, in the
// language in force; nothing while a zone is linked or none was refused.
std::optional<std::string> refusedZoneMessage(const MainForm& form);

}  // namespace tessaly
