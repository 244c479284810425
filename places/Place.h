#pragma once
// A town of the gazetteer: where it lies and the clock its people live by.
#include <string>

namespace tessaly {

struct Place {
  std::string name;         // in English, as the gazetteer spells it
  std::string russianName;  // empty where the gazetteer has none
  std::string region, country;
  std::string zone;  // of the system's time-zone database: "Europe/Berlin"
  double latitude = 0, longitude = 0;  // degrees, north and east positive
  unsigned population = 0;

  const std::string& nameIn(bool russian) const { return russian && !russianName.empty() ? russianName : name; }
};

// An angle as the window's boxes take it: whole degrees and the nearest
// whole minute, with the side apart (west or south is `negative`).
struct DegreesMinutes {
  int degrees = 0, minutes = 0;
  bool negative = false;
};
DegreesMinutes nearestMinute(double degrees);

// "52:31N", "13:25E": the form --lat and --lon take.
std::string latitudeOption(double degrees);
std::string longitudeOption(double degrees);

}  // namespace tessaly
