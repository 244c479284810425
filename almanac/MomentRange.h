#pragma once
// The moments of an almanac range: from a local time on the first date,
// every step, up to the end of the last date. A step of whole days keeps the
// local time of day from date to date; a step of hours, minutes or seconds
// is elapsed time, so that a change of offset neither repeats nor skips a
// moment.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

#include "places/Zone.h"

namespace tessaly::almanac {

struct Step {
  bool days;                  // whole calendar days
  std::chrono::seconds size;  // the step; for days, their count times 86400
};

// "1d", "3h", "15m", "30s": a whole number and a unit. Throws
// std::invalid_argument, naming --step, for a step that is unreadable, not
// positive or too long.
Step parseStep(std::string_view text);

class MomentRange {
 public:
  MomentRange(const Zone& zone, date::local_days first, date::local_days last, std::chrono::seconds timeOfDay,
              Step step);
  // The next moment; false after the last.
  bool next(LocalMoment& moment);
  // How many moments the range holds: with a step of days, at most so many,
  // as a date the zone skips has none.
  std::uint64_t size() const;
  // The index of the first moment at or after the start of a local date.
  std::uint64_t indexOn(date::local_days day) const;
  // Keeps the moments from index `begin` up to before `end` only.
  void narrow(std::uint64_t begin, std::uint64_t end);

 private:
  date::sys_seconds momentAt(std::uint64_t index) const;
  date::days stepDays() const { return std::chrono::duration_cast<date::days>(step_.size); }

  const Zone& zone_;
  date::local_days first_;
  std::chrono::seconds timeOfDay_;
  Step step_;
  date::sys_seconds start_, end_;
  std::int64_t days_;
  std::uint64_t index_ = 0;
  std::uint64_t endIndex_ = UINT64_MAX;
};

}  // namespace tessaly::almanac
