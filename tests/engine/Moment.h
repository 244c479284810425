#pragma once
// A moment and an observer prepared the way the Calculate handler prepares
// them, so that engine procedures can be run on their own.
#include <cmath>
#include <string>

#include "engine/Engine.h"
#include "engine/MemoryFieldStore.h"
#include "engine/NumberText.h"

namespace tessaly::testing {

struct Moment {
  MemoryFieldStore fields;
  ObservationState state;
  Engine engine{state, fields};

  // Longitude east and latitude north in degrees; negative means West/South.
  Moment(double day, double month, double year, double localHour, float zone,
         double longitude = 30, double latitude = 45) {
    setAngleConstants(state);
    fields.setText("Label25", "Moon Phases");
    fields.setText("Timezon", numberText(zone));
    fields.setText("LongGrad", numberText(std::fabs(longitude)));
    fields.setText("LatGrad", numberText(std::fabs(latitude)));
    fields.selectEntry("List1", longitude < 0 ? 1 : 0);
    fields.selectEntry("List2", latitude < 0 ? 1 : 0);
    engine.readObserver();
    state.MidFrac = 0.5 - state.TZone / 24.0;
    setMoment(day, month, year, localHour);
  }

  // Another moment in the zone read.
  void setMoment(double day, double month, double year, double localHour) {
    state.InDay = day;
    state.InMonth = month;
    state.InYear = year;
    state.UTHour = localHour - state.TZone;
    state.DayUT = day + state.UTHour / 24;
  }

  std::string operator[](const char* field) const { return fields.text(field); }
};

}  // namespace tessaly::testing
