#pragma once
// The fields MAINCALC writes, as a set a caller can narrow to the ones it
// reads back.
#include <bitset>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tessaly {

enum class Shown {
  DOY, JulianDate, SidHour, SidMin, SidSec, Fraction, RAHour, RAMin, RASec, Label33, DeclGrad, DeclMin,
  DeclSec, AltTrue, AzimTrue, AltApp, LongSun, LatLuna, Distkm, DistPer, DiamMin, DiamSec, Label37,
  DatePhase1, Phase1, DatePhase2, Phase2, Count
};

using ShownSet = std::bitset<static_cast<std::size_t>(Shown::Count)>;

// By Shown's order.
inline constexpr std::string_view kShownNames[] = {
    "DOY", "JulianDate", "SidHour", "SidMin", "SidSec", "Fraction", "RAHour", "RAMin", "RASec", "Label33",
    "DeclGrad", "DeclMin", "DeclSec", "AltTrue", "AzimTrue", "AltApp", "LongSun", "LatLuna", "Distkm",
    "DistPer", "DiamMin", "DiamSec", "Label37", "DatePhase1", "Phase1", "DatePhase2", "Phase2",
};
static_assert(std::size(kShownNames) == static_cast<std::size_t>(Shown::Count));

inline std::string_view nameOf(Shown field) { return kShownNames[static_cast<std::size_t>(field)]; }

inline ShownSet allShown() { return ShownSet().set(); }

// The field of that window name, if MAINCALC writes it.
inline std::optional<Shown> shownField(std::string_view name) {
  for (std::size_t i = 0; i < std::size(kShownNames); ++i)
    if (kShownNames[i] == name) return static_cast<Shown>(i);
  return std::nullopt;
}

}  // namespace tessaly
