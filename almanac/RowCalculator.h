#pragma once
// Calculate for one moment after another, through the window's own
// Calculate on a window of its own. Moments of one date share the date's
// rise, set and culminations, which depend on nothing else that changes
// between them; every row stays what a single Calculate gives.
#include <array>
#include <optional>
#include <string>

#include "almanac/LocalMoment.h"
#include "window/Calculate.h"
#include "window/Headless.h"
#include "window/MainForm.h"

namespace tessaly::almanac {

class RowCalculator {
 public:
  // Takes the place, zone, language and azimuth reference that the source
  // window holds; the source itself is left alone.
  explicit RowCalculator(const MainForm& source);
  // The same from a window's texts and an azimuth reference of their own.
  RowCalculator(const WindowModel& source, std::optional<double> azimuthShift);
  RowCalculator(const RowCalculator&) = delete;
  RowCalculator& operator=(const RowCalculator&) = delete;

  // Enters the moment's date, time and zone and presses Calculate. Returns
  // the message of a refused input.
  std::optional<std::string> calculate(const LocalMoment& moment);
  // The window's fields after the last calculation.
  const WindowModel& fields() const { return form_.model(); }
  Language language() const;

 private:
  // Everything RISESETCULM reads: the date (as corrected by Calculate), the
  // place and zone texts, the two lists and the azimuth reference.
  struct DayKey {
    double day = 0, month = 0, year = 0;
    std::array<std::string, 5> place;
    int eastWest = 0, northSouth = 0;
    std::optional<double> azimuthShift;
    bool operator==(const DayKey&) const = default;
  };

  void riseSetCulm(Engine& engine);
  DayKey dayKey() const;

  FixedClock clock_;
  RecordedMessages message_;
  NoExit exit_;
  MainForm form_;
  RiseSetCulm riseSetCulm_;
  std::optional<DayKey> dayKey_;
};

}  // namespace tessaly::almanac
