#include "window/MoonLook.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "engine/NumberReading.h"
#include "window/CaptionsAdditions.h"
#include "window/FilledCaption.h"

namespace tessaly {
namespace {

// The mean lunation of the phase formulas, in days.
constexpr double kLunation = 29.5306;

// A quarter or a new or full Moon is named within a few per cent of its
// fraction, about half a day either side.
constexpr int kNearNewOrFull = 2;
constexpr int kNearQuarter = 5;

constexpr std::string_view kPhaseCaptions[] = {
    "LookNew",  "LookWaxingCrescent", "LookFirstQuarter", "LookWaxingGibbous",
    "LookFull", "LookWaningGibbous",  "LookLastQuarter",  "LookWaningCrescent",
};

LookPhase phaseOf(int percent, bool waxing) {
  if (percent <= kNearNewOrFull) return LookPhase::New;
  if (percent >= 100 - kNearNewOrFull) return LookPhase::Full;
  if (std::abs(percent - 50) < kNearQuarter) return waxing ? LookPhase::FirstQuarter : LookPhase::LastQuarter;
  if (percent < 50) return waxing ? LookPhase::WaxingCrescent : LookPhase::WaningCrescent;
  return waxing ? LookPhase::WaxingGibbous : LookPhase::WaningGibbous;
}

}  // namespace

MoonLook moonLook(double fractionPercent, double ageDays, bool southern) {
  MoonLook look;
  look.litFraction = std::clamp(fractionPercent / 100, 0.0, 1.0);
  look.percent = static_cast<int>(std::lround(look.litFraction * 100));
  // The age can stand just under a whole lunation, or below 0 for a text
  // that is no number; either way it is a place in the lunation.
  double age = std::fmod(ageDays, kLunation);
  if (age < 0) age += kLunation;
  look.waxing = age < kLunation / 2;
  look.southern = southern;
  look.litOnRight = look.waxing != southern;
  look.phase = phaseOf(look.percent, look.waxing);
  return look;
}

MoonLook moonLookShown(const WindowModel& window, const ObservationState& state) {
  return moonLook(readNumber(window.text("Fraction")).value, readNumber(window.text("Label37")).value,
                  state.ObsLat < 0);
}

std::string lookName(const MoonLook& look, Language language) {
  const auto phase = additionCaption(kPhaseCaptions[static_cast<int>(look.phase)], language);
  return filledCaption(additionCaption("LookName", language), {phase, std::to_string(look.percent)});
}

std::string lookDescription(const MoonLook& look, Language language) {
  if (look.phase == LookPhase::New) return std::string(additionCaption("LookAllDark", language));
  if (look.phase == LookPhase::Full) return std::string(additionCaption("LookAllLit", language));
  return filledCaption(additionCaption(look.litOnRight ? "LookLitRight" : "LookLitLeft", language),
                       {additionCaption(look.southern ? "LookSouthern" : "LookNorthern", language)});
}

}  // namespace tessaly
