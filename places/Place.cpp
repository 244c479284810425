#include "places/Place.h"

#include <cmath>

namespace tessaly {
namespace {

std::string optionText(double degrees, char positive, char negative) {
  const DegreesMinutes angle = nearestMinute(degrees);
  const std::string minutes = std::to_string(angle.minutes);
  return std::to_string(angle.degrees) + ":" + (minutes.size() < 2 ? "0" : "") + minutes +
         (angle.negative ? negative : positive);
}

}  // namespace

DegreesMinutes nearestMinute(double degrees) {
  const long total = std::lround(std::fabs(degrees) * 60);
  // A place that rounds to 0°0' lies on the line itself: east or north.
  return {static_cast<int>(total / 60), static_cast<int>(total % 60), degrees < 0 && total != 0};
}

std::string latitudeOption(double degrees) { return optionText(degrees, 'N', 'S'); }
std::string longitudeOption(double degrees) { return optionText(degrees, 'E', 'W'); }

}  // namespace tessaly
