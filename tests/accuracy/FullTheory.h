#pragma once
// The real Moon for the accuracy survey: libnova's ELP 2000-82B lunar theory
// and its VSOP87 Earth, brought to what Tessaly shows. Tessaly's series give
// the geometric place referred to the mean equator, ecliptic and equinox of
// the date, for a moment counted in universal time. libnova gives the place
// referred to J2000 for a moment in dynamical time. So every moment goes to
// dynamical time by libnova's Delta T and every place is precessed to the
// date; nutation stays out on both sides.
#include <functional>
#include <vector>

namespace tessaly::accuracy {

struct MoonPlace {
  double rightAscension;  // degrees, mean equator and equinox of date
  double declination;     // degrees
  double longitude;       // degrees, mean ecliptic and equinox of date
  double latitude;        // degrees
  double distance;        // km, centre to centre
  double illuminated;     // fraction of the disk, 0 to 1
};

// The Moon at a Julian date in universal time.
MoonPlace moonAt(double jdUT);

// The Moon's apparent elongation in longitude from the Sun, degrees 0..360:
// 0 at new moon, 90 at first quarter, 180 at full moon, 270 at last quarter.
double elongationAt(double jdUT);

// Hour angle (degrees, -180..180) and geocentric altitude of the Moon's
// centre, without refraction or parallax, as the method defines it.
struct Horizon {
  double hourAngle, altitude;
};
Horizon horizonOf(double rightAscension, double declination, double jdUT, double eastLongitude,
                  double latitude);

// The altitude an observer sees: topocentric, with the usual refraction.
double observedAltitude(const MoonPlace& moon, double jdUT, double eastLongitude, double latitude);

// A smooth quantity sampled at a few moments and interpolated between them
// (Lagrange through all samples): the full theory costs milliseconds per
// moment, and the searches below ask for hundreds of moments.
class Track {
 public:
  Track(double firstJD, double stepDays, int samples, const std::function<std::vector<double>(double)>& at);
  std::vector<double> at(double jd) const;

 private:
  std::vector<double> moments_;
  std::vector<std::vector<double>> values_;  // angles unwrapped along the track
};

// The moment within window days of jd, nearest to it, at which value rises
// through zero (falls through it when rising is false); negative when there
// is none. Jumps of a wrapped angle are not crossings.
double crossingNear(double jd, double window, bool rising, const std::function<double(double)>& value);

double wrap180(double degrees);

}  // namespace tessaly::accuracy
