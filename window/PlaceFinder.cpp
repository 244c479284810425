#include "window/PlaceFinder.h"

#include "places/Gazetteer.h"
#include "places/PlaceIndex.h"
#include "window/CaptionsAdditions.h"

namespace tessaly {
namespace {

// Built once, the first time a place is looked for.
const PlaceIndex& placeIndex() {
  static const PlaceIndex index(gazetteer());
  return index;
}

std::string angleText(double degrees, std::string_view positive, std::string_view negative, Language language) {
  const DegreesMinutes angle = nearestMinute(degrees);
  const std::string minutes = std::to_string(angle.minutes);
  return std::to_string(angle.degrees) + "°" + (minutes.size() < 2 ? "0" : "") + minutes + "′" +
         (language == Language::Russian ? " " : "") +
         std::string(additionCaption(angle.negative ? negative : positive, language));
}

void fillAngle(WindowModel& w, double degrees, ElementName degreesBox, ElementName minutesBox, ElementName side) {
  const DegreesMinutes angle = nearestMinute(degrees);
  w.setText(degreesBox, std::to_string(angle.degrees));
  w.setText(minutesBox, std::to_string(angle.minutes));
  w.selectEntry(side, angle.negative ? 1 : 0);
}

}  // namespace

std::string latitudeText(double degrees, Language language) {
  return angleText(degrees, "PlaceNorth", "PlaceSouth", language);
}

std::string longitudeText(double degrees, Language language) {
  return angleText(degrees, "PlaceEast", "PlaceWest", language);
}

PlaceFinder::PlaceFinder(MainForm& main) : main_(main) {}

bool PlaceFinder::available() const { return !gazetteer().empty(); }

Language PlaceFinder::language() const { return languageInForce(main_.model()); }

void PlaceFinder::search(std::string_view text) {
  found_ = placeIndex().find(text, kMostShown);
  searched_ = !text.empty();
}

std::array<std::string, PlaceFinder::kColumns> PlaceFinder::row(std::size_t index) const {
  const Place& p = *found_.at(index);
  const Language language = this->language();
  return {p.nameIn(language == Language::Russian), p.region, p.country, p.zone,
          latitudeText(p.latitude, language) + " " + longitudeText(p.longitude, language)};
}

std::string PlaceFinder::status() const {
  const Language language = this->language();
  if (!available()) return std::string(additionCaption("PlaceNoGazetteer", language));
  if (!searched_) return {};
  if (found_.empty()) return std::string(additionCaption("PlaceNone", language));
  std::string text(additionCaption("PlaceCount", language));
  return text.replace(text.find("%1"), 2, std::to_string(found_.size()));
}

void PlaceFinder::choose(std::size_t index) {
  const Place& place = *found_.at(index);
  WindowModel& w = main_.model();
  w.setText("Town", place.nameIn(language() == Language::Russian));
  fillAngle(w, place.longitude, "LongGrad", "LongMin", "List1");
  fillAngle(w, place.latitude, "LatGrad", "LatMin", "List2");
  LinkedZone& zone = main_.linkedZone();
  if (!zone.link(place.zone)) zone.unlink();  // a zone the system's database lacks: the typed offset stays
  if (w.selected("Option1")) {
    main_.Option1_Click();
  } else if (!zone.showOffsetAtTypedMoment(w)) {
    // Nothing typed yet: the offset in force now, a start for Calculate.
    if (const auto now = zone.reading().zone) w.setText("Timezon", *now);
  }
}

}  // namespace tessaly
