#pragma once
#include <string_view>

namespace tessaly {

struct PhaseName {
  std::string_view english, russian;
};

// By lunation offset in quarters: new moon, first quarter, full moon, last
// quarter.
inline constexpr PhaseName kPhaseNames[4] = {
    {"New Moon", "Новолуние"},
    {"1 Quarter", "1 четверть"},
    {"Full Moon", "Полнолуние"},
    {"3 Quarter", "3 четверть"},
};

}  // namespace tessaly
