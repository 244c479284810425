#include "places/PlaceIndex.h"

#include <algorithm>
#include <array>

#include "places/SearchText.h"

namespace tessaly {
namespace {

enum Match { kExact, kPrefix, kWordPrefix, kNone };

Match matchOf(std::string_view name, std::string_view text) {
  if (name.size() < text.size() || name.empty()) return kNone;
  if (name.starts_with(text)) return name.size() == text.size() ? kExact : kPrefix;
  for (std::size_t blank = name.find(' '); blank != std::string_view::npos; blank = name.find(' ', blank + 1))
    if (name.substr(blank + 1).starts_with(text)) return kWordPrefix;
  return kNone;
}

bool matches(const std::string& field, std::string_view text) { return matchOf(searchText(field), text) != kNone; }

}  // namespace

PlaceIndex::PlaceIndex(const std::vector<Place>& places) {
  entries_.reserve(places.size());
  for (const Place& place : places) entries_.push_back({&place, searchText(place.name), searchText(place.russianName)});
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const Entry& a, const Entry& b) { return a.place->population > b.place->population; });
}

std::vector<const Place*> PlaceIndex::find(std::string_view text, std::size_t most) const {
  const std::size_t comma = text.find(',');
  const std::string name = searchText(text.substr(0, comma));
  const std::string within = comma == std::string_view::npos ? std::string() : searchText(text.substr(comma + 1));
  std::array<std::vector<const Place*>, kNone> found;
  if (name.empty()) return {};
  for (const Entry& entry : entries_) {
    const Match match = std::min(matchOf(entry.name, name), matchOf(entry.russianName, name));
    if (match == kNone) continue;
    if (!within.empty() && !matches(entry.place->region, within) && !matches(entry.place->country, within))
      continue;
    found[match].push_back(entry.place);
  }
  std::vector<const Place*> best;
  for (const auto& group : found)
    for (const Place* place : group) {
      if (best.size() == most) return best;
      best.push_back(place);
    }
  return best;
}

}  // namespace tessaly
