#pragma once
// What the window's number fields may show: a plain number, or the dash text
// that stands for "none" in that field. Used by the sweeps that drive the
// window through many moments and odd places.
#include <algorithm>
#include <string>
#include <string_view>

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

// The rise, set and culmination fields: each a number or the dash, as "Field:
// text" for the first that is not; empty when all are.
inline std::string badRiseSetCulmField(const WindowModel& m) {
  constexpr ElementName kFields[] = {
      "RiseHour", "RiseMin", "RAzim", "SetHour", "SetMin", "SAzim", "CulmHour(0)",
      "CulmMin(0)", "ATransit(0)", "CulmHour(1)", "CulmMin(1)", "ATransit(1)"};
  for (auto f : kFields)
    if (m.text(f) != "-" && !isPlainNumber(m.text(f))) return std::string(f.text()) + ": \"" + m.text(f) + "\"";
  return {};
}

// The first field that shows something else than a number or its own dash
// text, as "Field: text"; empty when every field is fine.
inline std::string badValueField(const WindowModel& m) {
  constexpr ElementName kNumbers[] = {
      "DOY", "SidHour", "SidMin", "SidSec", "JulianDate", "LongSun", "LatLuna", "RAHour",
      "RAMin", "RASec", "DeclGrad", "DeclMin", "DeclSec", "AltTrue", "Distkm", "DistPer",
      "DiamMin", "DiamSec", "Fraction", "Label37", "DateDay", "DateMonth", "DateYear",
      "TimeHour", "TimeMin", "TimeSec", "LongGrad", "LongMin", "LatGrad", "LatMin", "Timezon"};
  constexpr std::string_view kPhaseNames[] = {"New Moon",  "1 Quarter",  "Full Moon",  "3 Quarter",
                                              "Новолуние", "1 четверть", "Полнолуние", "3 четверть"};
  const auto bad = [&m](ElementName field) {
    return std::string(field.text()) + ": \"" + m.text(field) + "\"";
  };
  for (auto f : kNumbers)
    if (!isPlainNumber(m.text(f))) return bad(f);
  if (std::string riseSet = badRiseSetCulmField(m); !riseSet.empty()) return riseSet;
  if (m.text("AzimTrue") != "- - - - - -" && !isPlainNumber(m.text("AzimTrue"))) return bad("AzimTrue");
  if (m.text("AltApp") != "--------" && !isPlainNumber(m.text("AltApp"))) return bad("AltApp");
  if (m.text("Label33") != "" && m.text("Label33") != "-") return bad("Label33");
  constexpr ElementName kPhases[] = {"Phase1", "Phase2"}, kPhaseDates[] = {"DatePhase1", "DatePhase2"};
  for (ElementName f : kPhases)
    if (std::ranges::find(kPhaseNames, m.text(f)) == std::end(kPhaseNames)) return bad(f);
  for (ElementName f : kPhaseDates)
    if (!isPhaseDate(m.text(f))) return bad(f);
  return {};
}

}  // namespace tessaly::testing
