#include "window/RefusedZone.h"

#include "window/CaptionsAdditions.h"

namespace tessaly {

std::optional<std::string> refusedZoneMessage(const MainForm& form) {
  const LinkedZone& zone = form.linkedZone();
  if (zone.refused().empty() || !zone.name().empty()) return std::nullopt;
  const WindowModel& window = form.model();
  return filledCaption(additionCaption("ZoneNotRestored", languageInForce(window)),
                       {zone.refused(), window.text("Timezon")});
}

}  // namespace tessaly
