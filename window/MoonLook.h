#pragma once
// How the Moon looks at the moment shown: how much of the disk is lit and
// on which side, from the illuminated fraction and the age the window shows.
// No astronomy of its own.
#include <string>

#include "engine/ObservationState.h"
#include "window/Captions.h"
#include "window/WindowModel.h"

namespace tessaly {

enum class LookPhase {
  New,
  WaxingCrescent,
  FirstQuarter,
  WaxingGibbous,
  Full,
  WaningGibbous,
  LastQuarter,
  WaningCrescent
};

struct MoonLook {
  double litFraction = 0;  // 0 to 1
  bool waxing = true;
  bool southern = false;
  // Waxing seen from the north, or waning seen from the south.
  bool litOnRight = true;
  LookPhase phase = LookPhase::New;
  int percent = 0;  // the fraction lit, whole per cent
};

MoonLook moonLook(double fractionPercent, double ageDays, bool southern);

// From the Fraction and age texts of the window and the observer's latitude
// of the last calculation.
MoonLook moonLookShown(const WindowModel& window, const ObservationState& state);

// "Waning crescent, 4 % illuminated"
std::string lookName(const MoonLook& look, Language language);
// Which side is lit and from which hemisphere.
std::string lookDescription(const MoonLook& look, Language language);

}  // namespace tessaly
