#include "almanac/PhaseInstants.h"

#include <cmath>
#include <cstdint>

#include "engine/Engine.h"
#include "engine/MemoryFieldStore.h"
#include "engine/PhaseDateText.h"
#include "engine/WholeNumber.h"

namespace tessaly::almanac {
namespace {

constexpr double kMeanLunation = 29.53058868;  // days, the mean month of the phase series
constexpr double kJulianDateOf1970 = 2440587.5;
constexpr double kJulianDateOf1899 = 2415018.5;  // 1899-12-30, day 0 of the phase dates
constexpr std::int64_t kSeconds1899To1970 = kPhaseSerialDaysBefore1970 * 86400;

// Rounded as a phase date in universal time is, so that the second is the
// one Calculate shows with zone 0.
date::sys_seconds instantOf(double julianDate) {
  const double serial = julianDate - kJulianDateOf1899;
  const auto seconds = static_cast<std::int64_t>(std::floor(serial * 86400 + 0.5));
  return date::sys_seconds{std::chrono::seconds{seconds - kSeconds1899To1970}};
}

double julianDateOf(date::sys_seconds instant) {
  return kJulianDateOf1970 + static_cast<double>(instant.time_since_epoch().count()) / 86400;
}

}  // namespace

std::vector<PhaseInstant> phasesBetween(date::sys_seconds from, date::sys_seconds to) {
  ObservationState state;
  setAngleConstants(state);
  MemoryFieldStore fields;
  Engine engine(state, fields);
  // The series' lunation 0 is the new moon near JD 2415020.76; a lunation's
  // phases stay within a few days of its mean dates.
  const auto lunationNear = [](double julianDate) {
    return static_cast<int>(std::floor((julianDate - 2415020.75933) / kMeanLunation));
  };
  std::vector<PhaseInstant> phases;
  for (int lunation = lunationNear(julianDateOf(from)) - 1; lunation <= lunationNear(julianDateOf(to)) + 1; ++lunation)
    for (int quarter = 0; quarter < 4; ++quarter) {
      state.PhaseK = single(lunation + quarter / 4.0);
      engine.principalPhase(quarter);
      const date::sys_seconds at = instantOf(state.PhaseJD);
      if (at >= from && at < to) phases.push_back({lunation, quarter, at});
    }
  return phases;
}

}  // namespace tessaly::almanac
