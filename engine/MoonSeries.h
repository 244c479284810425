#pragma once
// The shortened periodic series of the Moon's longitude, latitude and
// parallax: one row per term, multipliers of D, M, M', F and the coefficient
// in degrees. The multipliers are held as doubles: they enter the argument
// as such, without a conversion per term.
#include <array>

namespace tessaly {

struct MoonTerm {
  double d, m, mPrime, f;
  double coefficient;
  bool timesE = false;
};

extern const std::array<MoonTerm, 50> kLongitudeTerms;
extern const std::array<MoonTerm, 34> kLatitudeTerms;
extern const std::array<MoonTerm, 30> kParallaxTerms;

// Every parallax argument but one is a longitude argument or its negative,
// formed from the same products, so it comes out as exactly that value or its
// exact negative; the cosine is even, so one sincos per longitude row serves
// both series.
struct ParallaxSharing {
  std::array<int, 30> longitudeRow;   // row whose cosine serves, or -1
  std::array<bool, 50> cosineUsed;    // longitude rows that keep their cosine
};
extern const ParallaxSharing kParallaxSharing;

}  // namespace tessaly
