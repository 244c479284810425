#pragma once
// What the window's number fields may show: a plain number, or the dash text
// that stands for "none" in that field. Used by the sweeps that drive the
// window through many moments and odd places.
#include <algorithm>
#include <string>
#include <span>
#include <string_view>

#include "window/CalculateFields.h"
#include "window/WindowModel.h"

namespace tessaly::testing {

// "-", digits, "." and fraction digits: the plain number text.
inline bool isPlainNumber(std::string_view t) {
  if (!t.empty() && t.front() == '-') t.remove_prefix(1);
  const auto digits = [&t] {
    const std::size_t n = std::min(t.find_first_not_of("0123456789"), t.size());
    t.remove_prefix(n);
    return n > 0;
  };
  if (!digits()) return false;
  if (t.empty()) return true;
  if (t.front() != '.') return false;
  t.remove_prefix(1);
  return digits() && t.empty();
}

// "15.4.2010 21:25": day, month, year, a blank, hour and minute.
inline bool isPhaseDate(std::string_view t) {
  for (char separator : {'.', '.', ' ', ':'}) {
    const std::size_t at = t.find(separator);
    if (at == std::string_view::npos || !isPlainNumber(t.substr(0, at))) return false;
    t.remove_prefix(at + 1);
  }
  return isPlainNumber(t);
}

// The rise, set and culmination fields, which end the fields Calculate writes.
inline std::span<const ElementName> riseSetCulmFields() { return calculateFields().last(12); }

// The rise, set and culmination fields: each a number or the dash, as "Field:
// text" for the first that is not; empty when all are.
inline std::string badRiseSetCulmField(const WindowModel& m) {
  for (ElementName f : riseSetCulmFields())
    if (m.text(f) != "-" && !isPlainNumber(m.text(f))) return std::string(f.text()) + ": \"" + m.text(f) + "\"";
  return {};
}

// The first field that shows something else than a number or its own dash
// text, as "Field: text"; empty when every field is fine.
inline std::string badValueField(const WindowModel& m) {
  constexpr std::string_view kPhaseNames[] = {"New Moon",  "1 Quarter",  "Full Moon",  "3 Quarter",
                                              "Новолуние", "1 четверть", "Полнолуние", "3 четверть"};
  if (std::string riseSet = badRiseSetCulmField(m); !riseSet.empty()) return riseSet;
  for (ElementName f : calculateFields().first(calculateFields().size() - 12)) {
    const std::string& t = m.text(f);
    const bool fine = f == "Phase1" || f == "Phase2"           ? std::ranges::find(kPhaseNames, t) != std::end(kPhaseNames)
                      : f == "DatePhase1" || f == "DatePhase2" ? isPhaseDate(t)
                      : f == "Label33"                         ? t == "" || t == "-"
                      : f == "AzimTrue"                        ? t == "- - - - - -" || isPlainNumber(t)
                      : f == "AltApp"                          ? t == "--------" || isPlainNumber(t)
                                                               : isPlainNumber(t);
    if (!fine) return std::string(f.text()) + ": \"" + t + "\"";
  }
  return {};
}

}  // namespace tessaly::testing
