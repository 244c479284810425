#include "engine/PhaseDateText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace tessaly {
namespace {

struct CivilDate {
  std::int64_t year;
  int month, day;
};

// Proleptic Gregorian date of a day count from 1970-01-01.
CivilDate civilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {yoe + era * 400 + (month <= 2), month, day};
}


}  // namespace

std::string phaseDateText(double serial) {
  // A zone that no check has passed can put a phase beyond any calendar. Such
  // a serial is held at 2^53 seconds (some 285 million years), the last count
  // of whole seconds a double holds exactly, so the conversion stays defined.
  constexpr double kLastSecond = 9007199254740992.0;
  double seconds = std::floor(serial * 86400 + 0.5);
  if (!(std::fabs(seconds) <= kLastSecond)) seconds = std::copysign(kLastSecond, seconds);
  const double days = std::floor(seconds / 86400);
  const auto secondOfDay = static_cast<std::int64_t>(seconds - days * 86400);
  const CivilDate date = civilFromDays(static_cast<std::int64_t>(days) - kPhaseSerialDaysBefore1970);
  // Day, month, year and minute in the plain form; the hour, never negative,
  // in the second form, which writes a blank before it.
  char text[64];  // the longest date text has some twenty characters
  char* out = text;
  const auto put = [&](std::int64_t value, char after) {
    out = std::to_chars(out, std::end(text) - 1, value).ptr;
    *out = after;
    if (after) ++out;
  };
  put(date.day, '.');
  put(date.month, '.');
  put(date.year, ' ');
  put(secondOfDay / 3600, ':');
  put(secondOfDay % 3600 / 60, 0);
  return std::string(text, out);
}

}  // namespace tessaly
