#pragma once
// The "Find place" dialog's behaviour, free of any toolkit: the towns that
// match the text typed, best first, and the choice of one, which fills the
// main window's place and links the town's named zone.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "places/Place.h"
#include "window/Captions.h"
#include "window/MainForm.h"

namespace tessaly {

class PlaceFinder {
 public:
  // More rows than anyone reads; a longer text narrows them.
  static constexpr std::size_t kMostShown = 200;
  static constexpr std::size_t kColumns = 5;  // town, region, country, zone, coordinates

  explicit PlaceFinder(MainForm& main);

  // False when the system's gazetteer could not be read.
  bool available() const;
  void search(std::string_view text);
  std::size_t rowCount() const { return found_.size(); }
  // The columns of a row in the language in force.
  std::array<std::string, kColumns> row(std::size_t index) const;
  // The status line under the list.
  std::string status() const;

  // Fills Town, the longitude and latitude boxes (nearest minute) and their
  // sides, links the town's zone and shows its offset in force. In real-time
  // tracking the day's rise, set and culminations are worked out anew for
  // the place, as choosing tracking does; in manual mode Calculate follows.
  void choose(std::size_t index);

  Language language() const;

 private:
  MainForm& main_;
  std::vector<const Place*> found_;
  bool searched_ = false;
};

// "52°31′N" in English, "52°31′ с. ш." in Russian.
std::string latitudeText(double degrees, Language language);
std::string longitudeText(double degrees, Language language);

}  // namespace tessaly
