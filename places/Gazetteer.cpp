// The gazetteer library keeps its towns as records of one fixed form; each
// is read in one step, which is several times quicker than its accessor
// functions and leaves the names in English whatever the process's locale.
// The Russian names come from the library's message catalogue, keyed by the
// town's number, the record's first field.
#include "places/Gazetteer.h"

#include <geonames.h>

#include "places/MessageCatalogue.h"

namespace tessaly {
namespace {

// Number, name, region code, region, country code, country, zone,
// population, latitude, longitude.
constexpr const char* kRecordForm = "(sssssssudd)";
constexpr const char* kRussianNames = "/usr/share/locale/ru/LC_MESSAGES/geonames.mo";

std::vector<Place> readGazetteer() {
  std::vector<Place> places;
  const MessageCatalogue russian(kRussianNames);
  const int count = geonames_get_n_cities();
  places.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
  for (int i = 0; i < count; ++i) {
    GeonamesCity* city = geonames_get_city(i);
    if (city == nullptr) continue;
    if (!g_variant_is_of_type(city, G_VARIANT_TYPE(kRecordForm))) {
      geonames_city_free(city);
      return {};
    }
    const char *number, *name, *regionCode, *region, *countryCode, *country, *zone;
    guint32 population = 0;
    double latitude = 0, longitude = 0;
    g_variant_get(city, "(&s&s&s&s&s&s&sudd)", &number, &name, &regionCode, &region, &countryCode, &country, &zone,
                  &population, &latitude, &longitude);
    places.push_back({name, std::string(russian.find(number)), region, country, zone, latitude, longitude, population});
    geonames_city_free(city);
  }
  return places;
}

}  // namespace

const std::vector<Place>& gazetteer() {
  static const std::vector<Place> places = readGazetteer();
  return places;
}

}  // namespace tessaly
