#pragma once
// The one record through which the engine procedures and the window's
// handlers communicate. Field names, types and meanings are the system's own;
// "number" fields are doubles, "single" fields floats, "integer" int16_t.
#include <cstdint>
#include <optional>

namespace tessaly {

struct ObservationState {
  double MoonLon = 0;  // Moon's geocentric ecliptic longitude, degrees
  double MoonLat = 0;  // Moon's geocentric ecliptic latitude, degrees
  double IllumPct = 0;  // illuminated part of the Moon's disk, percent
  double MoonPar = 0;  // Moon's equatorial horizontal parallax, degrees
  double ObsLong = 0;  // observer's longitude: degrees as typed, then hours east once converted
  float ObsLongMin = 0;  // minutes of arc of the longitude as typed
  double ObsLat = 0;  // observer's latitude: degrees as typed, then radians north once converted
  float ObsLatMin = 0;  // minutes of arc of the latitude as typed
  float TZone = 0;  // time zone, hours: local civil time minus universal time, east positive
  double Rad = 0;  // radians per degree, from the system's own pi
  double MidFrac = 0;  // fraction of the Julian day at which the local civil day begins, days
  double Pi = 0;  // the system's pi, 3.1415926535
  double SunN = 0;  // Sun's mean motion since the epoch 1980 January 0.0, degrees reduced to 0..360
  double MeanAnom = 0;  // month m' of the Julian-date step; afterwards the Sun's mean anomaly, radians
  double DiamArc = 0;  // Moon's topocentric angular diameter, minutes of arc
  std::int16_t DiamSecs = 0;  // seconds of arc of the angular diameter
  double SunTrue = 0;  // Sun's true anomaly, degrees
  double SunLon = 0;  // Sun's geocentric ecliptic longitude, degrees 0..360
  double EccAnom = 0;  // Sun's eccentric anomaly from Kepler, radians
  double DistKm = 0;  // Moon's distance from the Earth's centre, km
  double UTHour = 0;  // universal time, hours from 0h UT of the local date; may be below 0 or past 24
  double DayUT = 0;  // day of the month plus UTHour/24: the moment as a fractional day of the local month
  double InDay = 0;  // day of the month of the local civil date
  double InMonth = 0;  // month of the local civil date, 1..12
  double YearJ = 0;  // year of the Julian-date formula: InYear, one less in January and February
  double InYear = 0;  // year of the local civil date, four digits
  double AtnAdd = 0;  // quadrant correction from UnAtn: 0, 180 or 360 degrees
  double RaH = 0;  // whole hours of the right ascension
  double RaM = 0;  // minutes of time of the right ascension, with fraction
  double RaS = 0;  // seconds of time of the right ascension, with fraction
  double ScratchV = 0;  // scratch: century number, day fraction, Kepler's residual, an arctangent
  double TermB = 0;  // Julian-date term B, days; later the Sun's tangent term
  double TermC = 0;  // Julian-date term C, days
  double TermD = 0;  // Julian-date term D, days; later days since the Sun's epoch
  double DecD = 0;  // whole degrees of the declination, with its sign
  double DecM = 0;  // minutes of arc of the absolute declination, with fraction
  double DecS = 0;  // seconds of arc of the absolute declination, with fraction
  double JDShort = 0;  // Julian date of the moment minus 2400000, days
  double Obliq = 0;  // obliquity of the ecliptic, degrees
  double SinAlt = 0;  // sine of the Moon's geocentric altitude
  double AltGeo = 0;  // Moon's geocentric altitude, degrees
  double JD0Short = 0;  // Julian date at 0h UT of the local civil date minus 2400000, days
  double AtnDen = 0;  // denominator x handed to UnAtn
  double AzDeg = 0;  // Moon's azimuth, degrees (for a moment the cosine of the azimuth)
  double ZenDist = 0;  // geocentric zenith distance, degrees
  double TCent = 0;  // Julian centuries of 36525 days from JD 2415020.0 to the moment
  double TCent0 = 0;  // Julian centuries from JD 2415020.0 to 0h UT of the local date
  double AtnNum = 0;  // numerator y handed to UnAtn
  double TanZ = 0;  // tangent of the zenith distance
  double RefrSec = 0;  // atmospheric refraction, seconds of arc
  double GST0 = 0;  // Greenwich sidereal time at 0h UT of the local date, hours, not reduced
  double MoonDec = 0;  // Moon's geocentric declination, degrees
  double ZenApp = 0;  // apparent zenith distance, degrees
  double LST = 0;  // local sidereal time, hours
  double MoonRA = 0;  // Moon's geocentric right ascension, hours
  double AppAlt = 0;  // Moon's apparent altitude with refraction, degrees
  float SidMinF = 0;  // minutes of time of the local sidereal time, with fraction
  std::int16_t SidSecs = 0;  // seconds of time of the local sidereal time
  double InHour = 0;  // hour of the local time as typed
  double InMin = 0;  // minute of the local time as typed
  double InSec = 0;  // second of the local time as typed
  std::int16_t TimerMs = 0;  // interval of the real-time timer, milliseconds
  std::int16_t EWIndex = 0;  // East/West entry in view, kept across a change of language
  std::int16_t NSIndex = 0;  // North/South entry in view, kept across a change of language
  double PhaseJD = 0;  // Julian date of the principal phase being worked out, days
  double PhaseSunM = 0;  // Sun's mean anomaly at the phase, radians
  double PhaseRev = 0;  // revolutions, an intermediate of the phase's angle reduction
  double PhaseMoonM = 0;  // Moon's mean anomaly at the phase, radians
  double PhaseF = 0;  // Moon's argument of latitude at the phase, radians
  double MoonAge = 0;  // days since the last new moon
  float YearFrac = 0;  // decimal year of the moment
  float LunK = 0;  // estimated lunation number of the moment
  float PhaseK = 0;  // lunation number of the phase being worked out
  double PhaseT = 0;  // time argument of the phase, Julian centuries
  float DoyBase = 0;  // days of the year before the first of InMonth
  // Azimuth reference, degrees added to a north-based azimuth: 0 (from
  // north), 180 (from south) or -180 (from south, signed). Empty until a menu
  // item or the settings file assigns it; an empty offset counts as 0 but is
  // saved as an empty field.
  std::optional<double> AzimShift;
  std::int16_t LeapKey = 0;  // 62 in a leap year, 63 otherwise, for the check of the day

  double azimuthOffset() const { return AzimShift.value_or(0); }
};

// The two angle constants set once at start-up.
inline void setAngleConstants(ObservationState& s) {
  s.Pi = 3.1415926535;
  s.Rad = s.Pi / 180;
}

}  // namespace tessaly
