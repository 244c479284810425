#pragma once
// Periodic corrections of a mean phase: coefficient (plus a part in T) times
// the sine of a combination of M, M' and F.
#include <array>

namespace tessaly {

struct PhaseTerm {
  signed char m, mPrime, f;
  double coefficient;
  double perCentury = 0;
};

extern const std::array<PhaseTerm, 13> kNewFullTerms;
extern const std::array<PhaseTerm, 15> kQuarterTerms;

}  // namespace tessaly
