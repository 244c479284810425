#pragma once
// The astronomical engine. Its procedures take no arguments and return
// nothing: they read and write the observation state and write their results
// as texts into the window's fields, by the fields' names.
#include <array>
#include <limits>
#include <optional>
#include <string>

#include "engine/FieldStore.h"
#include "engine/NumberText.h"
#include "engine/ObservationState.h"
#include "engine/ShownFields.h"

namespace tessaly {

class Engine {
 public:
  Engine(ObservationState& state, FieldStore& fields) : s(state), w(fields) {}

  ObservationState& state() { return s; }
  FieldStore& fields() { return w; }

  // MAINCALC writes only these of its fields (all unless narrowed); what it
  // works out, and the Julian date the age reads back, stay the same.
  void showOnly(const ShownSet& fields) { shown_ = fields; }
  // With samples kept, RISESETCULM keeps the Moon's place at the hours it
  // samples, and a MAINCALC or the next date's RISESETCULM at one of those
  // moments takes it from there: for callers that calculate hour after hour.
  void keepMoonSamples(bool keep) { keepSamples_ = keep; }

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
  // Returns the text written, which the age is counted from.
  std::string showJulianDate();
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
  // PhaseMoon after its DayOfYear, with the Julian date text shown.
  void phasesAndAge(std::string_view julianDate);
  void showPhase(int slot, double lunationOffset);
  // MoonEcl, or the place RISESETCULM found for the same moment.
  void moonAtMoment();
  void keepMoonSample(int hour) {
    if (keepSamples_) storeMoonSample(hour);
  }
  void storeMoonSample(int hour);
  void show(Shown field, double value) {
    if (shown_[static_cast<std::size_t>(field)]) w.setText(nameOf(field), numberText(value));
  }
  void show(Shown field, std::string_view text) {
    if (shown_[static_cast<std::size_t>(field)]) w.setText(nameOf(field), text);
  }

  // The Moon's place at one of the date's sampled hours: what MoonEcl
  // writes, for the TCent and Rad it read. One run of RISESETCULM fills the
  // hours in order, so the moments ascend.
  struct MoonSample {
    // No sample yet: after every moment, and equal to none.
    double TCent = std::numeric_limits<double>::infinity(), Rad = std::numeric_limits<double>::quiet_NaN();
    std::array<double, 10> place{};  // by kMoonPlace in MoonSamples.cpp
  };
  // One pass of the two phases shown: everything it reads, and the record
  // and texts it leaves.
  struct PhasePass {
    double lunation, first, Rad;
    float TZone;
    bool english;
    double newMoon;  // the PhaseJD the age is counted from
    float PhaseK;
    std::array<double, 6> record;  // by kPhaseRecord in PhaseMoon.cpp
    std::array<std::string, 4> texts;  // DatePhase1, Phase1, DatePhase2, Phase2
  };

  ObservationState& s;
  FieldStore& w;
  ShownSet shown_ = allShown();
  bool keepSamples_ = false;
  std::array<MoonSample, 25> moonSamples_{};
  std::optional<PhasePass> phases_;
};

}  // namespace tessaly
