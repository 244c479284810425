#pragma once
// The Moon's altitude across one local day, every 10 minutes, with the
// day's rise, set and culminations as the window shows them.
#include <string>
#include <vector>

#include "almanacwindow/AlmanacMoment.h"
#include "places/Zone.h"

namespace tessaly {

inline constexpr int kMinutesPerSample = 10;

struct DaySample {
  double hours;              // local time
  double altitude;           // true altitude, degrees
  std::string altitudeText;  // as Calculate shows it for that moment
  double azimuth = 0;        // degrees from north through east, whatever the reference in force
};

enum class DayEvent { Rise, Set, UpperCulmination, LowerCulmination };

struct DayMark {
  DayEvent event;
  std::string hourText, minuteText;  // the window's fields
  std::string valueText;             // azimuth of a rise or set, altitude of a culmination
  double hours;                      // where it stands on the time axis
};

struct DayCurve {
  std::string dateText;  // "6.12.2026"
  std::vector<DaySample> samples;
  std::vector<DayMark> marks;  // only the events that happen that day
};

// The day of a moment that Calculate accepted. Every sample is the
// Calculate of that date at that local time. With a linked zone, each
// sample takes the offset in force at its time (a time the zone skips has
// none), and on a date whose offset changes each event is shown once, in
// the offset in force when it happens, as the month table shows it.
DayCurve dayCurve(AlmanacMoment& moment, const Zone* linked = nullptr);

// Where the moment itself stands: local time in hours and true altitude.
struct DayMoment {
  double hours, altitude;
  std::string timeText, altitudeText;
  double azimuth = 0;  // degrees from north through east
};
DayMoment dayMoment(const AlmanacMoment& moment);

// "5:07" from the texts 5 and 7.
std::string clockText(const std::string& hour, const std::string& minute);

}  // namespace tessaly
