#pragma once
// The astronomical engine. Its procedures take no arguments and return
// nothing: they read and write the observation state and write their results
// as texts into the window's fields, by the fields' names.
#include "engine/FieldStore.h"
#include "engine/ObservationState.h"

namespace tessaly {

class Engine {
 public:
  Engine(ObservationState& state, FieldStore& fields) : s(state), w(fields) {}

  ObservationState& state() { return s; }
  FieldStore& fields() { return w; }

  // Time scales.
  void DayOfYear();
  // Numeric helpers.
  void Kepler();
  void UnAtn();
  // The Moon's ecliptic and equatorial place for TCent.
  void MoonEcl();
  // Everything shown for the moment of observation.
  void MAINCALC();
  // The day's moonrise, moonset and culminations.
  void RISESETCULM();
  // The two principal phases around the moment and the Moon's age.
  void PhaseMoon();
  void PhasePlus();
  void NewFull();
  void OneThree();
  // The Julian date (universal time) of the principal phase of lunation
  // PhaseK, quarter 0 to 3 from the new moon, into PhaseJD.
  void principalPhase(int quarter);

  // Input conversion of the observer: reads the zone and position fields and
  // turns the position into hours east and radians north. False when a zone
  // or minutes field holds a number too large for single precision.
  bool readObserver();
  // The conversion alone, on the degrees and minutes already in the state,
  // with the East/West and North/South choices of the lists.
  void convertObserver();

 private:
  // Shared time-scale steps, used by MAINCALC and RISESETCULM.
  void julianDateOfMoment();
  void showJulianDate();
  void julianDateAtLocalMidnight();
  void sunFromDate();
  void localSiderealTime(double utHour);
  void showSiderealTime();
  // Shared horizon formulas: SinAlt, AltGeo and the north-based AzDeg from
  // LST, MoonRA, MoonDec and ObsLat. False when the azimuth cannot be formed.
  bool horizon();
  // At a pole every azimuth is meaningless; the window shows none there.
  bool observerAtPole() const {
    const double latitude = s.ObsLat / s.Rad;
    return latitude == 90 || latitude == -90;
  }
  void showRightAscension();
  void showDeclination();
  void showAltitudeAndAzimuth(bool azimuthFormed);
  void refraction();
  void showSizeAndDistance();
  // PhaseMoon after its DayOfYear.
  void phasesAndAge();
  void showPhase(int slot, double lunationOffset);

  ObservationState& s;
  FieldStore& w;
};

}  // namespace tessaly
