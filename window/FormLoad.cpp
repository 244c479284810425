// Start-up: restores the saved place, zone, interval, language and azimuth
// reference, computes today's rise, set and culminations and starts
// real-time tracking.
#include <cmath>
#include <limits>
#include <stdexcept>

#include "engine/NumberText.h"
#include "engine/WholeNumber.h"
#include "settings/AtomicReplace.h"
#include "settings/SettingsFile.h"
#include "settings/ZoneLine.h"
#include "window/MainForm.h"

namespace tessaly {
namespace {

// Thrown where reading the file has to stop; start-up then goes on from its
// recovery point with whatever was read so far.
struct ReadError {};

float singleField(double value) {
  if (std::fabs(value) > std::numeric_limits<float>::max()) throw ReadError{};
  return single(value);
}

// The fields read before the file ran out stay in the state, as they would
// when the file is read field by field.
void storeFieldsRead(ObservationState& s, const SettingsReading& r) {
  const SettingsValues& v = r.values;
  if (r.fieldsRead >= 2) s.ObsLong = v.longDegrees;
  if (r.fieldsRead >= 3) s.ObsLongMin = singleField(v.longMinutes);
  if (r.fieldsRead >= 5) s.ObsLat = v.latDegrees;
  if (r.fieldsRead >= 6) s.ObsLatMin = singleField(v.latMinutes);
  if (r.fieldsRead >= 8) s.TZone = singleField(v.zone);
  if (r.fieldsRead >= 9) s.TimerMs = v.timerMs;
  if (!r.complete) throw ReadError{};
  s.AzimShift = v.azimShift;  // an empty field: never set, and saved as such again
}

}  // namespace

void MainForm::Form_Load() {
  loadSettings();
  setTodayAndUniversalTime(clock_.reading());
  engine_.RISESETCULM();
  model_.setTimerEnabled(true);
}

void MainForm::loadSettings() {
  setAngleConstants(state_);
  const auto path = settingsFilePath();
  // Temporary files of saves killed part-way go now, not at the next save.
  removeStaleTemporaries(path);
  try {
    const auto bytes = readSettingsFile(path, 2);
    if (!bytes) throw ReadError{};
    const SettingsReading reading = parseSettingsLine(*bytes);
    storeFieldsRead(state_, reading);
    const SettingsValues& v = reading.values;

    if (state_.TimerMs == 0) state_.TimerMs = 1000;
    model_.setTimerInterval(state_.TimerMs);
    for (const IntervalItem& choice : kIntervalItems)
      if (state_.TimerMs == choice.milliseconds) chooseIntervalMarks(choice.item);

    model_.setText("Town", v.town);
    model_.setText("LongGrad", numberText(state_.ObsLong));
    model_.setText("LongMin", numberText(state_.ObsLongMin));
    if (v.eastWest != 0 && v.eastWest != 1) throw ReadError{};
    model_.selectEntry("List1", v.eastWest);
    model_.setText("LatGrad", numberText(state_.ObsLat));
    model_.setText("LatMin", numberText(state_.ObsLatMin));
    if (v.northSouth != 0 && v.northSouth != 1) throw ReadError{};
    model_.selectEntry("List2", v.northSouth);
    model_.setText("Timezon", numberText(state_.TZone));

    if (v.languageMarker == "Азимут") SetRussianCaptions();

    const double shift = state_.azimuthOffset();
    if (shift == 0)
      checkOnly("me1_12", {"me1_13", "me1_14"});
    else if (shift == 180)
      checkOnly("me1_13", {"me1_12", "me1_14"});
    else
      checkOnly("me1_14", {"me1_12", "me1_13"});
    if (const auto zone = zoneOfLine(*bytes)) clock_.link(*zone);
  } catch (const ReadError&) {
  }
  if (state_.TimerMs == 0) {
    state_.TimerMs = 1000;
    model_.setChecked("me1_2", true);
  }
}

}  // namespace tessaly
