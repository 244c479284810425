#pragma once

namespace tessaly {

// The computer clock as the handlers read it: the local date and time and
// the seconds since local midnight with a fraction.
struct ClockReading {
  int day = 1, month = 1, year = 2000;
  int hour = 0, minute = 0, second = 0;
  double secondsSinceMidnight = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual ClockReading now() const = 0;
};

// The system's clock in the local time zone.
class SystemClock : public Clock {
 public:
  ClockReading now() const override;
};

}  // namespace tessaly
