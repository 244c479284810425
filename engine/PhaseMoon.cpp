// The two principal phases around the moment and the Moon's age.
#include <cmath>

#include "engine/Engine.h"
#include "engine/NumberReading.h"
#include "engine/PhaseDateText.h"
#include "engine/PhaseNames.h"
#include "engine/PhaseSeries.h"
#include "engine/SeriesArgument.h"
#include "engine/WholeNumber.h"

namespace tessaly {
namespace {

template <std::size_t N>
double correction(const std::array<PhaseTerm, N>& terms, const ObservationState& s) {
  double sum = 0;
#pragma GCC unroll 16
  for (const PhaseTerm& t : terms) {
    const double argument =
        SeriesArgument().add(s.PhaseSunM, t.m).add(s.PhaseMoonM, t.mPrime).add(s.PhaseF, t.f).value();
    sum += (t.coefficient + t.perCentury * s.PhaseT) * std::sin(argument);
  }
  return sum;
}

}  // namespace

void Engine::PhasePlus() {
  const double k = s.PhaseK;
  const double T = k / 1236.85;
  s.PhaseT = T;
  const double T2 = std::pow(T, 2), T3 = std::pow(T, 3);
  s.PhaseJD = 2415020.75933 + 29.53058868 * k + 0.0001178 * T2 -
              0.000000155 * T3;
  s.PhaseJD += 0.00033 * std::sin((166.56 + 132.87 * T - 0.009173 * T2) * s.Rad);
  const double m = 359.2242 + 29.10535608 * k - 0.0000333 * T2 - 0.00000347 * T3;
  const double mPrime = 306.0253 + 385.81691806 * k + 0.0107306 * T2 + 0.00001236 * T3;
  const double f = 21.2964 + 390.67050646 * k - 0.0016528 * T2 - 0.00000239 * T3;
  auto reduced = [this](double x) {
    s.PhaseRev = x / 360;
    return (s.PhaseRev - Int(s.PhaseRev)) * 360 * s.Rad;
  };
  s.PhaseSunM = reduced(m);
  s.PhaseMoonM = reduced(mPrime);
  s.PhaseF = reduced(f);
}

void Engine::NewFull() { s.PhaseJD += correction(kNewFullTerms, s); }

void Engine::OneThree() { s.PhaseJD += correction(kQuarterTerms, s); }

void Engine::principalPhase(int quarter) {
  PhasePlus();
  if (quarter % 2 == 0) {
    NewFull();
    return;
  }
  OneThree();
  const double m = s.PhaseSunM, mPrime = s.PhaseMoonM;
  if (quarter == 1)
    s.PhaseJD = s.PhaseJD + 0.0028 - 0.0004 * std::cos(m) + 0.0003 * std::cos(mPrime);
  else
    s.PhaseJD = s.PhaseJD - 0.0028 + 0.0004 * std::cos(m) - 0.0003 * std::cos(mPrime);
}

void Engine::showPhase(int slot, double lunationOffset) {
  const int quarter = static_cast<int>(lunationOffset * 4) % 4;
  // A first phase of offset 0 is the new moon PhaseMoon has just worked out
  // for the age: the record holds exactly what a second pass would leave.
  const bool heldAlready = slot == 1 && lunationOffset == 0;
  if (!heldAlready) {
    s.PhaseK = single(Int(s.LunK) + lunationOffset);
    principalPhase(quarter);
  }
  s.PhaseJD = (s.PhaseJD - 2415018.5) + s.TZone / 24.0;
  static constexpr std::string_view kDateField[] = {"DatePhase1", "DatePhase2"};
  static constexpr std::string_view kNameField[] = {"Phase1", "Phase2"};
  w.setText(kDateField[slot - 1], phaseDateText(s.PhaseJD));
  const PhaseName& name = kPhaseNames[quarter];
  w.setText(kNameField[slot - 1], w.text("Label25") == "Moon Phases" ? name.english : name.russian);
}

void Engine::PhaseMoon() {
  DayOfYear();
  phasesAndAge();
}

void Engine::phasesAndAge() {
  s.YearFrac = single(s.InYear + (s.DayUT + s.DoyBase) / 365.25);
  s.LunK = single((s.YearFrac - 1900.0) * 12.3685);
  const double n = Int(s.LunK);
  s.PhaseK = single(n);
  PhasePlus();
  NewFull();
  s.MoonAge = numberOf(w.text("JulianDate")) - s.PhaseJD;
  if (s.MoonAge < 0) s.MoonAge += 29.5306;

  const double f = s.LunK - n;
  const double first = f < 0.25 ? 0 : f < 0.5 ? 0.25 : f < 0.75 ? 0.5 : 0.75;
  showPhase(1, first);
  showPhase(2, first + 0.25);
}

}  // namespace tessaly
