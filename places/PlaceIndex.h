#pragma once
// Finding towns by name as a person types: one pass over names prepared
// once, quick enough for every keystroke.
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "places/Place.h"

namespace tessaly {

class PlaceIndex {
 public:
  // The places must outlive the index.
  explicit PlaceIndex(const std::vector<Place>& places);

  // Towns whose English or Russian name matches the text, best first: the
  // name itself, then names that begin with the text, then names with a
  // later word that begins with it; larger towns first within each. A part
  // after a comma keeps the towns whose region or country matches it in the
  // same way ("Portland, Oregon").
  std::vector<const Place*> find(std::string_view text,
                                 std::size_t most = std::numeric_limits<std::size_t>::max()) const;

 private:
  struct Entry {
    const Place* place;
    std::string name, russianName;  // as searchText gives them
  };
  std::vector<Entry> entries_;  // larger towns first
};

}  // namespace tessaly
