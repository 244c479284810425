#include "tools/accuracy/FullTheory.h"

#include <libnova/libnova.h>

#include <cmath>
#include <numbers>

namespace tessaly::accuracy {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDegree = std::numbers::pi / 180;
constexpr double kEquatorKm = 6378.14;

double wrap360(double degrees) {
  degrees = std::fmod(degrees, 360);
  return degrees < 0 ? degrees + 360 : degrees;
}

// Mean obliquity of the ecliptic (IAU 1980), degrees.
double meanObliquity(double jde) {
  const double t = (jde - kJ2000) / 36525;
  return 23.4392911111 - (46.8150 * t + 0.00059 * t * t - 0.001813 * t * t * t) / 3600;
}

struct Equatorial {
  double ra, dec;
};

// ELP's geocentric place (ecliptic and equinox of J2000, km) on the mean
// equator and equinox of the date.
Equatorial ofDate(const ln_rect_posn& r, double jde) {
  const double e = meanObliquity(kJ2000) * kDegree;
  const double x = r.X, y = r.Y * std::cos(e) - r.Z * std::sin(e), z = r.Y * std::sin(e) + r.Z * std::cos(e);
  ln_equ_posn j2000{wrap360(std::atan2(y, x) / kDegree), std::atan2(z, std::hypot(x, y)) / kDegree};
  ln_equ_posn date;
  ln_get_equ_prec2(&j2000, kJ2000, jde, &date);
  return {date.ra, date.dec};
}

ln_rect_posn elp(double jde) {
  ln_rect_posn r;
  ln_get_lunar_geo_posn(jde, &r, 0);
  return r;
}

}  // namespace

double wrap180(double degrees) {
  degrees = wrap360(degrees);
  return degrees > 180 ? degrees - 360 : degrees;
}

MoonPlace moonAt(double jdUT) {
  const double jde = ln_get_jde(jdUT);
  const ln_rect_posn r = elp(jde);
  const Equatorial q = ofDate(r, jde);
  const double e = meanObliquity(jde) * kDegree, a = q.ra * kDegree, d = q.dec * kDegree;
  const double longitude = std::atan2(std::sin(a) * std::cos(e) + std::tan(d) * std::sin(e), std::cos(a));
  const double latitude = std::asin(std::sin(d) * std::cos(e) - std::cos(d) * std::sin(e) * std::sin(a));
  return {q.ra,
          q.dec,
          wrap360(longitude / kDegree),
          latitude / kDegree,
          std::sqrt(r.X * r.X + r.Y * r.Y + r.Z * r.Z),
          ln_get_lunar_disk(jde)};
}

double elongationAt(double jdUT) {
  const double jde = ln_get_jde(jdUT);
  const ln_rect_posn r = elp(jde);
  ln_helio_posn earth;
  ln_get_earth_helio_coords(jde, &earth);
  // Both in the ecliptic of J2000: the difference of longitudes is that of
  // the date. The Sun is seen 20.5" behind its geometric place.
  const double sun = earth.L + 180 - 20.4898 / 3600 / earth.R;
  return wrap360(std::atan2(r.Y, r.X) / kDegree - sun);
}

Horizon horizonOf(double rightAscension, double declination, double jdUT, double eastLongitude,
                  double latitude) {
  const double h = wrap180(ln_get_mean_sidereal_time(jdUT) * 15 + eastLongitude - rightAscension);
  const double phi = latitude * kDegree, delta = declination * kDegree;
  const double sinAlt =
      std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(h * kDegree);
  return {h, std::asin(sinAlt) / kDegree};
}

double observedAltitude(const MoonPlace& moon, double jdUT, double eastLongitude, double latitude) {
  const double geocentric =
      horizonOf(moon.rightAscension, moon.declination, jdUT, eastLongitude, latitude).altitude;
  const double parallax = std::asin(kEquatorKm / moon.distance) / kDegree;
  const double topocentric = geocentric - parallax * std::cos(geocentric * kDegree);
  const double refractionMinutes = 1.02 / std::tan((topocentric + 10.3 / (topocentric + 5.11)) * kDegree);
  return topocentric + refractionMinutes / 60;
}

Track::Track(double firstJD, double stepDays, int samples,
             const std::function<std::vector<double>(double)>& at) {
  for (int i = 0; i < samples; ++i) {
    moments_.push_back(firstJD + i * stepDays);
    std::vector<double> v = at(moments_.back());
    if (!values_.empty())
      for (std::size_t k = 0; k < v.size(); ++k)
        v[k] = values_.back()[k] + wrap180(v[k] - values_.back()[k]);
    values_.push_back(std::move(v));
  }
}

std::vector<double> Track::at(double jd) const {
  std::vector<double> result(values_.front().size(), 0.0);
  for (std::size_t i = 0; i < moments_.size(); ++i) {
    double weight = 1;
    for (std::size_t j = 0; j < moments_.size(); ++j)
      if (j != i) weight *= (jd - moments_[j]) / (moments_[i] - moments_[j]);
    for (std::size_t k = 0; k < result.size(); ++k) result[k] += weight * values_[i][k];
  }
  return result;
}

double crossingNear(double jd, double window, bool rising, const std::function<double(double)>& value) {
  constexpr double kStep = 10.0 / 1440;
  double best = -1;
  double t0 = jd - window, v0 = value(t0);
  for (double t1 = t0 + kStep; t1 <= jd + window + 1e-9; t1 += kStep) {
    const double v1 = value(t1);
    const bool crosses = rising ? (v0 < 0 && v1 >= 0) : (v0 >= 0 && v1 < 0);
    if (crosses && std::fabs(v1 - v0) < 90) {
      double lo = t0, hi = t1;
      for (int i = 0; i < 40; ++i) {
        const double mid = (lo + hi) / 2;
        ((value(mid) < 0) == rising ? lo : hi) = mid;
      }
      const double root = (lo + hi) / 2;
      if (best < 0 || std::fabs(root - jd) < std::fabs(best - jd)) best = root;
    }
    t0 = t1;
    v0 = v1;
  }
  return best;
}

}  // namespace tessaly::accuracy
