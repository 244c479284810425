#include "app/CliPlace.h"

#include <limits>
#include <stdexcept>

#include "app/UsageError.h"
#include "places/Gazetteer.h"
#include "places/PlaceIndex.h"
#include "settings/SettingsFile.h"
#include "settings/ZoneLine.h"

namespace tessaly::cli {
namespace {

std::vector<const Place*> placesFound(const std::string& option, const std::string& text, std::size_t most) {
  const PlaceIndex index(gazetteer());
  std::vector<const Place*> found = index.find(text, most);
  if (found.empty()) throw UsageError(option + ": no place \"" + text + "\" in the gazetteer");
  return found;
}

bool zoneGiven(const Options& o) {
  if (o.zone || o.tz) return true;
  for (const auto& [field, text] : o.sets)
    if (field == "Timezon") return true;
  return false;
}

}  // namespace

void applyPlace(Options& o) {
  if (o.place) {
    const Place& place = *placesFound("--place", *o.place, 1).front();
    if (!o.lon) o.lon = longitudeOption(place.longitude);
    if (!o.lat) o.lat = latitudeOption(place.latitude);
    if (!zoneGiven(o)) o.tz = place.zone;
  }
  if (zoneGiven(o)) return;
  if (const auto bytes = readSettingsFile(settingsFilePath(), 2)) o.tz = zoneOfLine(*bytes);
}

void listPlaces(const Options& o, std::ostream& out) {
  const bool russian = o.lang == "ru";
  for (const Place* p : placesFound("--places", *o.places, std::numeric_limits<std::size_t>::max()))
    out << p->nameIn(russian) << '\t' << p->region << '\t' << p->country << '\t' << latitudeOption(p->latitude) << '\t'
        << longitudeOption(p->longitude) << '\t' << p->zone << '\n';
}

}  // namespace tessaly::cli
