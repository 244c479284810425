#pragma once
// The shortened periodic series of the Moon's longitude, latitude and
// parallax: one row per term, multipliers of D, M, M', F and the coefficient
// in degrees.
#include <array>

namespace tessaly {

struct MoonTerm {
  signed char d, m, mPrime, f;
  double coefficient;
  bool timesE = false;
};

extern const std::array<MoonTerm, 50> kLongitudeTerms;
extern const std::array<MoonTerm, 34> kLatitudeTerms;
extern const std::array<MoonTerm, 30> kParallaxTerms;

}  // namespace tessaly
