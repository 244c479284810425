#pragma once
#include <cstdint>
#include <string>

namespace tessaly {

// Phase dates count days from 1899-12-30 00:00, so many days before 1970.
inline constexpr std::int64_t kPhaseSerialDaysBefore1970 = 25569;

// "D.M.YYYY H:M" of a count of days since 1899-12-30 00:00, rounded to the
// nearest second first so that 23:59:59.8 shows the next day's 0:0.
std::string phaseDateText(double serial);

}  // namespace tessaly
