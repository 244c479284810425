#pragma once
// Calculate for one moment after another, through the window's own
// Calculate on a window of its own. Moments of one date share the date's
// rise, set and culminations, which depend on nothing else that changes
// between them; every row stays what a single Calculate gives.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "places/LocalMoment.h"
#include "places/Zone.h"
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
  RowCalculator(const WindowModel& source, std::optional<double> azimuthShift, double zoneHigh);
  RowCalculator(const RowCalculator&) = delete;
  RowCalculator& operator=(const RowCalculator&) = delete;

  // Enters the moment's date, time and zone and presses Calculate. Returns
  // the message of a refused input.
  std::optional<std::string> calculate(const LocalMoment& moment);
  // After a calculation: each phase date in the offset the zone has at the
  // phase.
  void showPhasesIn(const Zone& zone);
  // Of the fields a calculation writes, only these are written from now on
  // (all until narrowed); the others keep their last texts.
  void readOnly(std::span<const std::string_view> fields);
  // The window's fields after the last calculation.
  const WindowModel& fields() const { return form_.model(); }
  Language language() const;

 private:
  // Everything RISESETCULM reads: the date (as corrected by Calculate), the
  // azimuth reference, and the place, zone and lists, which change only
  // when the zone's text is entered anew.
  struct DayKey {
    double day = 0, month = 0, year = 0;
    std::optional<double> azimuthShift;
    std::uint64_t zoneEntered = 0;
  };

  void riseSetCulm(Engine& engine);
  // Whether the date and every input of RISESETCULM are those of the last
  // day it ran for.
  bool sameDay() const;

  double zoneHigh_;  // the source window's: higher while a named zone is linked
  FixedClock clock_;
  RecordedMessages message_;
  NoExit exit_;
  MainForm form_;
  RiseSetCulm riseSetCulm_;
  std::optional<DayKey> dayKey_;
  // The zone text of the last calculation that passed every check: the
  // place fields have not changed since, so a row in that zone needs no
  // second reading and check of the place.
  std::optional<std::string> checkedZone_;
  std::uint64_t zoneEntered_ = 0;  // how often the zone's text was entered
};

}  // namespace tessaly::almanac
