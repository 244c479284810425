// The gazetteer as the library keeps it, finding towns by name, and the
// angles a town's coordinates give the window's boxes.
#include <geonames.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "places/Gazetteer.h"
#include "places/MessageCatalogue.h"
#include "places/PlaceIndex.h"
#include "places/SearchText.h"
#include "tests/support/TempConfigHome.h"

namespace tessaly {
namespace {

const PlaceIndex& index() {
  static const PlaceIndex places(gazetteer());
  return places;
}

std::vector<std::string> namesFound(std::string_view text, std::size_t most) {
  std::vector<std::string> names;
  for (const Place* place : index().find(text, most)) names.push_back(place->name + ", " + place->country);
  return names;
}

// The records are read in one step by their form; the library's own
// accessors must tell the same for every town (English names: the test
// runs in the C locale). Russian names, from the catalogue, are found below.
TEST(Gazetteer, AgreesWithTheLibrarysAccessors) {
  const std::vector<Place>& places = gazetteer();
  ASSERT_EQ(places.size(), static_cast<std::size_t>(geonames_get_n_cities()));
  for (int i = 0; i < geonames_get_n_cities(); i += 97) {
    GeonamesCity* city = geonames_get_city(i);
    const Place& p = places[static_cast<std::size_t>(i)];
    EXPECT_EQ(p.name, geonames_city_get_name(city));
    EXPECT_EQ(p.region, geonames_city_get_state(city));
    EXPECT_EQ(p.country, geonames_city_get_country(city));
    EXPECT_EQ(p.zone, geonames_city_get_timezone(city));
    EXPECT_EQ(p.latitude, geonames_city_get_latitude(city));
    EXPECT_EQ(p.longitude, geonames_city_get_longitude(city));
    EXPECT_EQ(p.population, geonames_city_get_population(city));
    geonames_city_free(city);
  }
  EXPECT_TRUE(std::ranges::all_of(places, [](const Place& p) { return !p.name.empty() && !p.zone.empty(); }));
}

// "Berl" and "москва" are searched through the window's place finder.
TEST(PlaceIndex, TheNameItselfThenBeginningsThenLaterWordsLargerFirst) {
  EXPECT_EQ(namesFound("new york", 1), std::vector<std::string>{"New York, United States of America"});
  // York itself before the much larger New York, found by a later word.
  const auto york = namesFound("york", 100);
  ASSERT_GE(york.size(), 3u);
  EXPECT_EQ(york.front(), "York, United Kingdom");
  const auto nyc = std::ranges::find(york, "New York, United States of America");
  const auto yorktown = std::ranges::find_if(york, [](const std::string& n) { return n.starts_with("Yorkt"); });
  EXPECT_LT(yorktown, nyc);
  // Within one kind of match the larger town comes first.
  const auto found = index().find("san", 50);
  for (std::size_t i = 1; i < found.size(); ++i) {
    if (found[i]->name.starts_with("San") && found[i - 1]->name.starts_with("San") && found[i]->name != "San" &&
        found[i - 1]->name != "San") {
      EXPECT_GE(found[i - 1]->population, found[i]->population);
    }
  }
}

TEST(PlaceIndex, RussianNamesAccentsDashesAndARegion) {
  EXPECT_EQ(namesFound("санкт петербург", 1), std::vector<std::string>{"Saint Petersburg, Russia"});
  EXPECT_EQ(namesFound("SAO PAULO", 1), std::vector<std::string>{"São Paulo, Brazil"});
  const auto portland = index().find("Portland, Maine", 5);
  ASSERT_FALSE(portland.empty());
  EXPECT_EQ(portland.front()->region, "State of Maine");
  EXPECT_TRUE(std::ranges::all_of(portland, [](const Place* p) { return p->region == "State of Maine"; }));
  EXPECT_EQ(index().find("Portland, oregon", 5).front()->population, 652503u);
}

TEST(PlaceIndex, NothingForNoTextAndNoHarmFromAnyText) {
  EXPECT_TRUE(index().find("").empty());
  EXPECT_TRUE(index().find("  -- ").empty());
  EXPECT_TRUE(index().find("Qwxzzq").empty());
  EXPECT_TRUE(index().find(std::string(100000, 'a')).empty());
  EXPECT_NO_THROW(index().find("\xff\xfe\xc3"));
  EXPECT_NO_THROW(index().find(std::string("Ber\0lin", 7)));
  EXPECT_EQ(searchText("Санкт-Петербург"), "санкт петербург");
  EXPECT_EQ(searchText("  St. Gallen "), "st gallen");
}

TEST(PlaceIndex, AKeystrokeTakesMilliseconds) {
  index();
  const auto start = std::chrono::steady_clock::now();
  for (const char* text : {"B", "Be", "Ber", "Berl", "Berli", "Berlin"}) index().find(text, 200);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  // Far above the few milliseconds measured, so that a busy machine does
  // not fail it; a scan gone quadratic would.
  EXPECT_LT(elapsed, std::chrono::milliseconds(6 * 100));
}

TEST(Angles, NearestMinuteWithTheSideApart) {
  const DegreesMinutes carried = nearestMinute(-59.9999);
  EXPECT_EQ(carried.degrees, 60);
  EXPECT_EQ(carried.minutes, 0);
  EXPECT_TRUE(carried.negative);
  EXPECT_FALSE(nearestMinute(-0.004).negative);  // rounds onto the line itself
  EXPECT_EQ(latitudeOption(-33.8679), "33:52S");
}

// A catalogue in either byte order; damaged ones are empty, never a crash.
class Catalogue : public ::testing::Test {
 protected:
  // A folder of the test's own: the suite's tests run side by side.
  testing::TempConfigHome home;
  std::filesystem::path file = home.settingsFile().parent_path() / "catalogue.mo";
  void write(const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

  static std::string word(std::uint32_t value, bool big) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(big ? 3 - i : i)] = static_cast<char>(value >> (8 * i));
    return bytes;
  }
  // One message "2950159" translated as "Берлин".
  static std::string oneMessage(bool big) {
    const std::string original = "2950159", translation = "Берлин";
    std::string bytes = word(0x950412de, big) + word(0, big) + word(1, big) + word(28, big) + word(36, big) +
                        word(0, big) + word(44, big);
    bytes += word(static_cast<std::uint32_t>(original.size()), big) + word(44, big);
    bytes += word(static_cast<std::uint32_t>(translation.size()), big) + word(52, big);
    return bytes + original + '\0' + translation + '\0';
  }
};

TEST_F(Catalogue, ReadsEitherByteOrderAndDamagedOrMissingIsEmpty) {
  for (bool big : {false, true}) {
    write(oneMessage(big));
    const MessageCatalogue catalogue(file);
    EXPECT_EQ(catalogue.find("2950159"), "Берлин");
    EXPECT_EQ(catalogue.find("2950158"), "");
  }
  const std::string good = oneMessage(false);
  for (const std::string& bytes : {good.substr(0, 20), good.substr(0, 50), "\xde\x12\x04\x94" + good.substr(4),
                                   good.substr(0, 8) + word(0xfffffff, false) + good.substr(12)}) {
    write(bytes);
    EXPECT_EQ(MessageCatalogue(file).size(), 0u);
  }
  EXPECT_EQ(MessageCatalogue("/nonexistent/geonames.mo").size(), 0u);
  EXPECT_EQ(MessageCatalogue(std::filesystem::temp_directory_path()).size(), 0u);
}

}  // namespace
}  // namespace tessaly
