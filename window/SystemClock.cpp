#include <chrono>
#include <ctime>

#include "window/Clock.h"

namespace tessaly {

ClockReading SystemClock::now() const {
  using namespace std::chrono;
  const auto instant = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(instant);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto sinceEpoch = instant.time_since_epoch();
  const double fraction =
      static_cast<double>(duration_cast<microseconds>(sinceEpoch - duration_cast<std::chrono::seconds>(sinceEpoch)).count()) / 1e6;
  ClockReading r;
  r.day = local.tm_mday;
  r.month = local.tm_mon + 1;
  r.year = local.tm_year + 1900;
  r.hour = local.tm_hour;
  r.minute = local.tm_min;
  r.second = local.tm_sec;
  r.secondsSinceMidnight = r.hour * 3600.0 + r.minute * 60.0 + r.second + fraction;
  return r;
}

Instant SystemClock::universal() const {
  return std::chrono::floor<std::chrono::microseconds>(std::chrono::system_clock::now());
}

}  // namespace tessaly
