#pragma once
// The principal phases of the Moon between two instants, each at the very
// instant Calculate works out for it, without a Calculate per date.
#include <date/date.h>

#include <vector>

namespace tessaly::almanac {

struct PhaseInstant {
  int lunation;  // counted from the new moon of January 1900
  int quarter;   // 0 new moon, 1 first quarter, 2 full moon, 3 last quarter
  date::sys_seconds at;  // to the nearest second, as the phase dates round it
};

// The phases from `from` up to, not including, `to`, in order.
std::vector<PhaseInstant> phasesBetween(date::sys_seconds from, date::sys_seconds to);

}  // namespace tessaly::almanac
