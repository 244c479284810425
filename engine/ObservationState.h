#pragma once
// The one record through which the engine procedures and the window's
// handlers communicate. Field names, types and meanings are the system's own;
// "number" fields are doubles, "single" fields floats, "integer" int16_t.
#include <cstdint>
#include <optional>

namespace tessaly {

struct ObservationState {
  double MoonLon = 0;
  double MoonLat = 0;
  double IllumPct = 0;
  double MoonPar = 0;
  double ObsLong = 0;
  float ObsLongMin = 0;
  double ObsLat = 0;
  float ObsLatMin = 0;
  float TZone = 0;
  double Rad = 0;
  double MidFrac = 0;
  double Pi = 0;
  double SunN = 0;
  double MeanAnom = 0;
  double DiamArc = 0;
  std::int16_t DiamSecs = 0;
  double SunTrue = 0;
  double SunLon = 0;
  double EccAnom = 0;
  double DistKm = 0;
  double UTHour = 0;
  double DayUT = 0;
  double InDay = 0;
  double InMonth = 0;
  double YearJ = 0;
  double InYear = 0;
  double AtnAdd = 0;
  double RaH = 0;
  double RaM = 0;
  double RaS = 0;
  double ScratchV = 0;
  double TermB = 0;
  double TermC = 0;
  double TermD = 0;
  double DecD = 0;
  double DecM = 0;
  double DecS = 0;
  double JDShort = 0;
  double Obliq = 0;
  double SinAlt = 0;
  double AltGeo = 0;
  double JD0Short = 0;
  double AtnDen = 0;
  double AzDeg = 0;
  double ZenDist = 0;
  double TCent = 0;
  double TCent0 = 0;
  double AtnNum = 0;
  double TanZ = 0;
  double RefrSec = 0;
  double GST0 = 0;
  double MoonDec = 0;
  double ZenApp = 0;
  double LST = 0;
  double MoonRA = 0;
  double AppAlt = 0;
  float SidMinF = 0;
  std::int16_t SidSecs = 0;
  double InHour = 0;
  double InMin = 0;
  double InSec = 0;
  std::int16_t TimerMs = 0;
  std::int16_t EWIndex = 0;
  std::int16_t NSIndex = 0;
  double PhaseJD = 0;
  double PhaseSunM = 0;
  double PhaseRev = 0;
  double PhaseMoonM = 0;
  double PhaseF = 0;
  double MoonAge = 0;
  float YearFrac = 0;
  float LunK = 0;
  float PhaseK = 0;
  double PhaseT = 0;
  float DoyBase = 0;
  // Empty until a menu item or the settings file assigns it; an empty offset
  // counts as 0 but is saved as an empty field.
  std::optional<double> AzimShift;
  std::int16_t LeapKey = 0;

  double azimuthOffset() const { return AzimShift.value_or(0); }
};

// The two angle constants set once at start-up.
inline void setAngleConstants(ObservationState& s) {
  s.Pi = 3.1415926535;
  s.Rad = s.Pi / 180;
}

}  // namespace tessaly
