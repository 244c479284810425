#pragma once
// The shortened periodic series of the Moon's longitude, latitude and
// parallax: one row per term, multipliers of D, M, M', F and the coefficient
// in degrees. The multipliers are held as doubles: they enter the argument
// as such, without a conversion per term.
//
// The terms are the classic low-precision lunar theory of the 1900 epoch
// (arguments in Julian centuries from 1900 January 0.5), shortened to its
// larger terms, with the method's coefficients kept digit for digit. Rows
// whose term is multiplied by the eccentricity factor E say so. The tests pin
// each table by its row count and a checksum.
#include <array>

namespace tessaly {

struct MoonTerm {
  double d, m, mPrime, f;
  double coefficient;
  bool timesE = false;
};

inline constexpr std::array<MoonTerm, 50> kLongitudeTerms{{
    {0, 0, 1, 0, 6.2888},     {-2, 0, 1, 0, -1.274},    {2, 0, 0, 0, 0.6583},
    {0, 0, 2, 0, 0.2136},     {0, 1, 0, 0, -0.1851, true},
    {0, 0, 0, 2, -0.1143},    {-2, 0, 2, 0, -0.0588},   {-2, 1, 1, 0, -0.0572},
    {2, 0, 1, 0, 0.0533},     {-2, 1, 0, 0, -0.0459, true},
    {0, -1, 1, 0, 0.041},     {1, 0, 0, 0, -0.0347},    {0, 1, 1, 0, -0.0305, true},
    {2, 0, 0, -2, 0.0153},    {0, 0, 1, 2, -0.0125},    {0, 0, -1, 2, -0.011},
    {4, 0, -1, 0, 0.0107},    {0, 0, 3, 0, 0.01},       {4, 0, -2, 0, 0.0085},
    {2, 1, -1, 0, -0.0079},   {2, 1, 0, 0, -0.0068},    {-1, 0, 1, 0, 0.0052},
    {1, 1, 0, 0, 0.005},      {2, -1, 1, 0, 0.004},     {2, 0, 2, 0, 0.004},
    {4, 0, 0, 0, 0.0039},     {2, 0, -3, 0, 0.0037},    {0, -1, 2, 0, 0.0027},
    {-2, 0, 1, -2, 0.0026},   {2, -1, -2, 0, 0.0024},   {1, 0, 1, 0, -0.0023},
    {2, -2, 0, 0, 0.0022},    {0, 1, 2, 0, -0.0021},    {0, 2, 0, 0, -0.0021},
    {2, -2, -1, 0, 0.0021},   {2, 0, 1, -2, -0.0018},   {2, 0, 0, 2, -0.0016},
    {4, -1, -1, 0, 0.0012},   {0, 0, 2, 2, -0.0011},    {-3, 0, 1, 0, 0.0009},
    {2, 1, 1, 0, -0.0008},    {4, -1, -2, 0, 0.0008},   {0, -2, 1, 0, 0.0007},
    {-2, -2, 1, 0, 0.0007},   {2, 1, -2, 0, 0.0007},    {2, -1, 0, -2, 0.0006},
    {4, 0, 1, 0, 0.0006},     {0, 0, 4, 0, 0.0005},     {4, -1, 0, 0, 0.0005},
    {-1, 0, 2, 0, 0.0005},
}};

inline constexpr std::array<MoonTerm, 34> kLatitudeTerms{{
    {0, 0, 0, 1, 5.128},   {0, 0, 1, 1, 0.281},   {0, 0, 1, -1, 0.278},
    {2, 0, 0, -1, 0.173},  {2, 0, -1, 1, 0.055},  {2, 0, -1, -1, 0.046},
    {2, 0, 0, 1, 0.033},   {0, 0, 2, 1, 0.017},   {2, 0, 1, -1, 0.009},
    {0, 0, 2, -1, 0.009},  {2, -1, 0, -1, 0.008}, {2, 0, -2, -1, 0.004},
    {2, 0, 1, 1, 0.004},   {-2, -1, 0, 1, 0.003}, {2, -1, -1, 1, 0.002},
    {2, -1, 0, 1, 0.002},  {2, -1, -1, -1, 0.002}, {0, -1, 1, 1, 0.002},
    {4, 0, -1, -1, 0.002}, {0, 1, 0, 1, -0.002},  {0, 0, 0, 3, -0.002},
    {0, -1, 1, -1, 0.002}, {1, 0, 0, 1, -0.001},  {0, 1, 1, 1, -0.001},
    {0, -1, -1, 1, 0.001}, {0, -1, 0, 1, 0.001},  {-1, 0, 0, 1, 0.001},
    {0, 0, 3, 1, 0.001},   {4, 0, 0, -1, 0.001},  {4, 0, -1, 1, 0.001},
    {0, 0, 1, -3, 0.001},  {4, 0, -2, 1, 0.001},  {2, 0, 0, -3, 0.001},
    {2, 0, 2, -1, 0.001},
}};

inline constexpr std::array<MoonTerm, 30> kParallaxTerms{{
    {0, 0, 1, 0, 0.051818},   {2, 0, -1, 0, 0.009531},  {2, 0, 0, 0, 0.007843},
    {0, 0, 2, 0, 0.002824},   {2, 0, 1, 0, 0.000857},   {2, -1, 0, 0, 0.000533},
    {2, -1, -1, 0, 0.000401}, {0, -1, 1, 0, 0.00032},   {1, 0, 0, 0, -0.000271},
    {0, 1, 1, 0, -0.000264},  {0, 0, -1, 2, -0.000198}, {0, 0, 3, 0, 0.000173},
    {4, 0, -1, 0, 0.000167},  {0, 1, 0, 0, -0.000111},  {4, 0, -2, 0, 0.000103},
    {-2, 0, 2, 0, -0.000084}, {2, 1, 0, 0, -0.000083},  {2, 0, 2, 0, 0.000079},
    {4, 0, 0, 0, 0.000072},   {2, -1, 1, 0, 0.000064},  {2, 1, -1, 0, -0.000063},
    {1, 1, 0, 0, 0.000041},   {0, -1, 2, 0, 0.000035},  {-2, 0, 3, 0, -0.000033},
    {1, 0, 1, 0, -0.00003},   {-2, 0, 0, 2, -0.000029}, {0, 1, 2, 0, -0.000029},
    {2, -2, 0, 0, 0.000026},  {-2, 0, 1, 2, -0.000023}, {4, -1, -1, 0, 0.000019},
}};

// Every parallax argument but one is a longitude argument or its negative,
// formed from the same products, so it comes out as exactly that value or its
// exact negative; the cosine is even, so one sincos per longitude row serves
// both series.
struct ParallaxSharing {
  std::array<int, 30> longitudeRow;   // row whose cosine serves, or -1
  std::array<bool, 50> cosineUsed;    // longitude rows that keep their cosine
};

namespace series_detail {

constexpr bool sameOrOpposite(const MoonTerm& a, const MoonTerm& b) {
  const bool same = a.d == b.d && a.m == b.m && a.mPrime == b.mPrime && a.f == b.f;
  const bool opposite = a.d == -b.d && a.m == -b.m && a.mPrime == -b.mPrime && a.f == -b.f;
  return same || opposite;
}

constexpr ParallaxSharing findSharing() {
  ParallaxSharing sharing{};
  for (std::size_t p = 0; p < kParallaxTerms.size(); ++p) {
    sharing.longitudeRow[p] = -1;
    for (std::size_t l = 0; l < kLongitudeTerms.size() && sharing.longitudeRow[p] < 0; ++l) {
      if (!sameOrOpposite(kParallaxTerms[p], kLongitudeTerms[l])) continue;
      sharing.longitudeRow[p] = static_cast<int>(l);
      sharing.cosineUsed[l] = true;
    }
  }
  return sharing;
}

}  // namespace series_detail

inline constexpr ParallaxSharing kParallaxSharing = series_detail::findSharing();

}  // namespace tessaly
