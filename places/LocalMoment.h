#pragma once
// A moment in a place as the window's fields take it: the local civil
// date and time and the text of the time zone in force then.
#include <date/date.h>

#include <string>

namespace tessaly {

struct LocalMoment {
  date::local_seconds local;  // local civil date and time
  std::string zone;           // the Timezon text, hours east of Greenwich
};

// "D.M.YYYY" without leading zeros, as the phase dates show a date.
std::string dateText(date::local_days day);

// The date and time fields of a moment, by their window names.
struct MomentTexts {
  std::string day, month, year, hour, minute, second;
};
MomentTexts momentTexts(date::local_seconds local);

// The instant of a local time in a zone text as Calculate reads it: hours
// in single precision.
date::sys_seconds instantInZone(date::local_seconds local, const std::string& zoneText);

}  // namespace tessaly
