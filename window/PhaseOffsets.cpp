#include "window/PhaseOffsets.h"

#include <charconv>

#include "engine/PhaseDateText.h"

namespace tessaly {
namespace {

// "D.M.YYYY H:M" back to the local time it names.
date::local_seconds phaseLocalTime(std::string_view text) {
  int parts[5] = {};
  const char* p = text.data();
  const char* const end = p + text.size();
  for (int& part : parts) {
    while (p != end && !(*p >= '0' && *p <= '9') && *p != '-') ++p;
    p = std::from_chars(p, end, part).ptr;
  }
  const auto [day, month, year, hour, minute] = parts;
  const date::local_days d{date::year{year} / month / day};
  return d + std::chrono::hours{hour} + std::chrono::minutes{minute};
}

// The count of days a phase date is formed from.
double serialOf(date::local_seconds local) {
  return static_cast<double>(local.time_since_epoch().count() + kPhaseSerialDaysBefore1970 * 86400) / 86400;
}

}  // namespace

// Phase dates are whole minutes and offsets whole quarter hours, so the
// minute shown moves by exactly the difference of the offsets.
std::string phaseDateInItsOffset(const Zone& zone, const std::string& shownIn, const std::string& dateText) {
  if (dateText.empty()) return dateText;
  const LocalMoment own = zone.moment(instantInZone(phaseLocalTime(dateText), shownIn));
  return own.zone == shownIn ? dateText : phaseDateText(serialOf(own.local));
}

void showPhasesInTheirOffsets(WindowModel& window, const Zone& zone) {
  const std::string shownIn = window.text("Timezon");
  for (ElementName field : {ElementName("DatePhase1"), ElementName("DatePhase2")})
    window.setText(field, phaseDateInItsOffset(zone, shownIn, window.text(field)));
}

void PhasesInTheirOffsets::setText(std::string_view field, std::string_view text) {
  const Zone* zone = zone_.zone();
  if (zone && (field == "DatePhase1" || field == "DatePhase2")) {
    window_.setText(field, phaseDateInItsOffset(*zone, window_.text("Timezon"), std::string(text)));
    return;
  }
  window_.setText(field, text);
}

}  // namespace tessaly
