// "Save settings": what the fields show now, not the last calculated state.
#include "engine/NumberReading.h"
#include "settings/SettingsFile.h"
#include "settings/ZoneLine.h"
#include "window/MainForm.h"

namespace tessaly {

void MainForm::me1_7_Click() {
  SettingsValues v;
  v.town = model_.text("Town");
  v.longDegrees = numberOf(model_.text("LongGrad"));
  v.longMinutes = numberOf(model_.text("LongMin"));
  v.eastWest = static_cast<std::int16_t>(model_.topEntry("List1"));
  v.latDegrees = numberOf(model_.text("LatGrad"));
  v.latMinutes = numberOf(model_.text("LatMin"));
  v.northSouth = static_cast<std::int16_t>(model_.topEntry("List2"));
  v.zone = numberOf(model_.text("Timezon"));
  v.timerMs = state_.TimerMs;
  v.languageMarker = model_.text("AzimSun");
  v.azimShift = state_.AzimShift;
  const auto path = settingsFilePath();
  std::string error;
  // The old file stays intact when the new one cannot be written.
  if (!writeSettingsFile(path, formatSettingsLine(v) + zoneLine(clock_.name()), &error))
    messages_.showMessage("Cannot save settings to " + path.string() + ": " + error + "!");
}

}  // namespace tessaly
