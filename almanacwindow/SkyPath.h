#pragma once
// Where to look: the Moon's path across the sky for the local day, on a
// disc with the horizon at its rim and the zenith at its centre, north up
// and east to the right, as on a map of the ground; and the path in words.
#include <optional>
#include <string>
#include <vector>

#include "almanacwindow/DayCurve.h"
#include "window/Captions.h"

namespace tessaly {

// Altitudes drawn as rings and labelled with their degrees.
inline constexpr double kSkyRings[] = {30, 60};

struct SkyPoint {
  double x = 0, y = 0;  // radius 1 at the horizon; y grows downward, to the south
};

// Altitude and azimuth (from north through east) in degrees; below the
// horizon a point lies outside the disc.
SkyPoint skyPoint(double altitude, double azimuth);

struct SkyHour {
  SkyPoint at;
  int hour;
};

struct SkyEnd {
  DayEvent event;  // rise or set
  SkyPoint at;     // on the rim
  std::string timeText, azimuthText;  // as the window shows them
};

struct SkyPath {
  std::vector<std::vector<SkyPoint>> runs;  // each stretch above the horizon
  std::vector<SkyHour> hours;               // whole hours above the horizon
  std::vector<SkyEnd> ends;
  std::optional<SkyPoint> moon;  // the moment shown, while above the horizon
  // Where the rings' degrees stand: of the four diagonals, the one farthest
  // from the path, its ends and the Moon.
  double ringLabelAzimuth = 315;
};

SkyPath skyPath(const DayCurve& day, const DayMoment& moment);

// "Rises at 6:02 in the east-southeast. Highest at 10:27 in the south at
// 20°. Sets at 14:45 in the southwest." in the order of the day.
std::string skyPathSpoken(const DayCurve& day, Language language);

// The sixteen points of the compass, 0 north, 4 east: which one an azimuth
// lies nearest.
int compassPoint(double azimuth);

}  // namespace tessaly
