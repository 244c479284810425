// The two principal phases around the moment and the Moon's age.
#include <cmath>
#include <iterator>

#include "engine/Engine.h"
#include "engine/NumberReading.h"
#include "engine/PhaseDateText.h"
#include "engine/PhaseNames.h"
#include "engine/PhaseSeries.h"
#include "engine/SeriesArgument.h"
#include "engine/WholeNumber.h"

namespace tessaly {
namespace {

// The numbers a pass leaves in the record besides PhaseK.
constexpr double ObservationState::*kPhaseRecord[] = {&ObservationState::PhaseT,     &ObservationState::PhaseJD,
                                                      &ObservationState::PhaseSunM,  &ObservationState::PhaseMoonM,
                                                      &ObservationState::PhaseF,     &ObservationState::PhaseRev};

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
  const PhaseName& name = kPhaseNames[quarter];
  const std::size_t at = 2 * (static_cast<std::size_t>(slot) - 1);
  phases_->texts[at] = phaseDateText(s.PhaseJD);
  phases_->texts[at + 1] = phases_->english ? name.english : name.russian;
}

void Engine::PhaseMoon() {
  DayOfYear();
  phasesAndAge(w.text("JulianDate"));
}

// The phases shown change once in days: a pass is kept, with everything it
// read, and the next pass on the same inputs restores what it left.
void Engine::phasesAndAge(std::string_view julianDate) {
  s.YearFrac = single(s.InYear + (s.DayUT + s.DoyBase) / 365.25);
  s.LunK = single((s.YearFrac - 1900.0) * 12.3685);
  const double n = Int(s.LunK);
  const double f = s.LunK - n;
  const double first = f < 0.25 ? 0 : f < 0.5 ? 0.25 : f < 0.75 ? 0.5 : 0.75;
  const bool english = w.text("Label25") == "Moon Phases";
  const PhasePass* kept = phases_ ? &*phases_ : nullptr;
  if (!kept || kept->lunation != n || kept->first != first || kept->Rad != s.Rad || kept->TZone != s.TZone ||
      kept->english != english) {
    if (!phases_) phases_.emplace();
    PhasePass& p = *phases_;
    p.lunation = n;
    p.first = first;
    p.Rad = s.Rad;
    p.TZone = s.TZone;
    p.english = english;
    s.PhaseK = single(n);
    PhasePlus();
    NewFull();
    p.newMoon = s.PhaseJD;
    showPhase(1, first);
    showPhase(2, first + 0.25);
    p.PhaseK = s.PhaseK;
    static_assert(std::size(kPhaseRecord) == std::tuple_size_v<decltype(p.record)>);
    for (std::size_t i = 0; i < p.record.size(); ++i) p.record[i] = s.*kPhaseRecord[i];
  }
  const PhasePass& p = *phases_;
  s.PhaseK = p.PhaseK;
  for (std::size_t i = 0; i < p.record.size(); ++i) s.*kPhaseRecord[i] = p.record[i];
  s.MoonAge = numberOf(julianDate) - p.newMoon;
  if (s.MoonAge < 0) s.MoonAge += 29.5306;
  show(Shown::DatePhase1, p.texts[0]);
  show(Shown::Phase1, p.texts[1]);
  show(Shown::DatePhase2, p.texts[2]);
  show(Shown::Phase2, p.texts[3]);
}

}  // namespace tessaly
