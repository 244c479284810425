// The Moon's geocentric ecliptic and equatorial place by the system's own
// shortened lunar theory.
#include <array>
#include <cmath>

#include "engine/Engine.h"
#include "engine/MoonSeries.h"
#include "engine/SeriesArgument.h"
#include "engine/WholeNumber.h"

namespace tessaly {
namespace {

double reducedDegrees(double x) { return (x / 360 - Int(x / 360)) * 360; }

struct Arguments {
  double d, m, mPrime, f;  // radians
  double argument(const MoonTerm& t) const {
    return SeriesArgument().add(d, t.d).add(m, t.m).add(mPrime, t.mPrime).add(f, t.f).value();
  }
};

}  // namespace

void Engine::MoonEcl() {
  const double T = s.TCent, rad = s.Rad;
  const double T2 = std::pow(T, 2);  // the same square for every element
  double D = 350.737486 + 445267.114217 * T - 0.001436 * T2;
  double Mp = 296.104608 + 477198.849108 * T + 0.009192 * T2;
  double F = 11.2509 + 483202.02522 * T - 0.00321 * T2;
  double L = 270.4341639 + 481267.8831417 * T - 0.001133 * T2;
  double M = 358.475833 + 35999.04975 * T - 0.00015 * T2;
  double Om = 259.1833 - 1934.142 * T + 0.0021 * T2;

  D = reducedDegrees(D);
  F = reducedDegrees(F);
  L = reducedDegrees(L);
  Mp = reducedDegrees(Mp);
  M = reducedDegrees(M);
  // An instant far outside the calendar (an unchecked date or zone reaching
  // RISESETCULM) would keep the loops below going for ever; see localSiderealTime.
  if (std::fabs(Om) >= 1e6) Om = std::fmod(Om, 360);
  while (Om > 360) Om -= 360;
  while (Om < 0) Om += 360;

  const double s1 = std::sin((51.2 + 20.2 * T) * rad);
  M -= 0.0018 * s1;
  Mp += 0.0008 * s1;
  D += 0.002 * s1;
  const double v = 0.004 * std::sin((346.56 + 132.87 * T) * rad);
  L += v;
  Mp += v;
  D += v;
  F += v;
  const double s3 = std::sin(Om * rad);
  L += 0.002 * s3;
  Mp += 0.0025 * s3;
  D += 0.002 * s3;
  F -= 0.0247 * s3;
  F -= 0.0043 * std::sin((Om + 275.05 - 2.3 * T) * rad);

  const double E = 1 - 0.002495 * T - 0.0000075 * T2;
  s.MoonLon = L;
  const Arguments a{D * rad, M * rad, Mp * rad, F * rad};

  // glibc's sincos gives exactly its sin and its cos.
  std::array<double, kLongitudeTerms.size()> longitudeCosine;
#pragma GCC unroll 50
  for (std::size_t i = 0; i < kLongitudeTerms.size(); ++i) {
    const MoonTerm& t = kLongitudeTerms[i];
    double sine;
    if (kParallaxSharing.cosineUsed[i])
      sincos(a.argument(t), &sine, &longitudeCosine[i]);
    else
      sine = std::sin(a.argument(t));
    const double term = t.coefficient * sine;
    s.MoonLon += t.timesE ? term * E : term;
  }
  if (s.MoonLon >= 360) s.MoonLon -= 360;

  double B = 0;
#pragma GCC unroll 34
  for (const MoonTerm& t : kLatitudeTerms) B += t.coefficient * std::sin(a.argument(t));
  const double w1 = 0.0004664 * std::cos(Om * rad);
  const double w2 = 0.0000754 * std::cos((Om + 275.05 - 2.3 * T) * rad);
  s.MoonLat = B * (1 - w1 - w2);

  s.MoonPar = 0.950724;
#pragma GCC unroll 30
  for (std::size_t i = 0; i < kParallaxTerms.size(); ++i) {
    const MoonTerm& t = kParallaxTerms[i];
    const int shared = kParallaxSharing.longitudeRow[i];
    s.MoonPar += t.coefficient * (shared >= 0 ? longitudeCosine[shared] : std::cos(a.argument(t)));
  }

  s.Obliq = 23.4523 - (46.845 * T + 0.0059 * T2 - 0.001811 * std::pow(T, 3)) / 3600;

  const double lambda = s.MoonLon * rad, beta = s.MoonLat * rad, eps = s.Obliq * rad;
  s.AtnNum = std::sin(beta) * std::cos(eps) + std::sin(lambda) * (std::sin(eps) * std::cos(beta));
  s.AtnDen = std::sqrt(1 - std::pow(s.AtnNum, 2));
  s.MoonDec = std::atan(s.AtnNum / s.AtnDen) / rad;

  s.AtnNum = std::sin(lambda) * std::cos(eps) - std::sin(eps) * std::tan(beta);
  s.AtnDen = std::cos(lambda);
  if (s.AtnDen == 0) {
    // A longitude of exactly 90 or 270 degrees: the arctangent's limit.
    s.ScratchV = s.AtnNum > 0 ? 90 : -90;
    s.AtnAdd = s.AtnNum > 0 ? 0 : 360;
  } else {
    s.ScratchV = std::atan(s.AtnNum / s.AtnDen) / rad;
    UnAtn();
  }
  s.MoonRA = (s.ScratchV + s.AtnAdd) / 15;
}

}  // namespace tessaly
