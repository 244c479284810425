#include "settings/ZoneLine.h"

#include <algorithm>

namespace tessaly {
namespace {

constexpr std::string_view kKey = "zone=";
// Longer than any name of the database ("America/Argentina/ComodRivadavia").
constexpr std::size_t kLongestName = 64;

// The database's names: "Area/Place" of letters, digits, "_", "-" and "+";
// no ".." or leading "/", so that no name leads out of its folder.
bool isZoneName(std::string_view name) {
  const auto allowed = [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' || c == '_' ||
           c == '-' || c == '+';
  };
  return !name.empty() && name.size() <= kLongestName && std::ranges::all_of(name, allowed) &&
         name.front() != '/' && name.back() != '/' && name.find("//") == std::string_view::npos;
}

}  // namespace

std::string zoneLine(std::string_view zone) {
  if (zone.empty()) return {};
  return std::string(kKey) + std::string(zone) + "\r\n";
}

std::optional<std::string> zoneOfLine(std::string_view bytes) {
  const std::size_t firstEnd = bytes.find_first_of("\r\n");
  if (firstEnd == std::string_view::npos) return std::nullopt;
  std::string_view rest = bytes.substr(firstEnd + (bytes.substr(firstEnd, 2) == "\r\n" ? 2 : 1));
  rest = rest.substr(0, rest.find_first_of("\r\n"));
  if (!rest.starts_with(kKey)) return std::nullopt;
  const std::string_view name = rest.substr(kKey.size());
  if (!isZoneName(name)) return std::nullopt;
  return std::string(name);
}

}  // namespace tessaly
