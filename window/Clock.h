#pragma once
#include <chrono>

namespace tessaly {

// The computer clock as the handlers read it: the local date and time and
// the seconds since local midnight with a fraction.
struct ClockReading {
  int day = 1, month = 1, year = 2000;
  int hour = 0, minute = 0, second = 0;
  double secondsSinceMidnight = 0;
};

using Instant = std::chrono::sys_time<std::chrono::microseconds>;

class Clock {
 public:
  virtual ~Clock() = default;
  virtual ClockReading now() const = 0;
  // Universal time, whatever zone the computer is set to.
  virtual Instant universal() const = 0;
};

// The system's clock in the local time zone.
class SystemClock : public Clock {
 public:
  ClockReading now() const override;
  Instant universal() const override;
};

}  // namespace tessaly
