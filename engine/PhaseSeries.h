#pragma once
// Periodic corrections of a mean phase: coefficient (plus a part in T) times
// the sine of a combination of M, M' and F. The multipliers are held as
// doubles: they enter the argument as such, without a conversion per term.
#include <array>

namespace tessaly {

struct PhaseTerm {
  double m, mPrime, f;
  double coefficient;
  double perCentury = 0;
};

extern const std::array<PhaseTerm, 13> kNewFullTerms;
extern const std::array<PhaseTerm, 15> kQuarterTerms;

}  // namespace tessaly
