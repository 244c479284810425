// What the engine keeps from one calculation for the next (the Moon's place
// at the sampled hours, the phases) gives exactly what a fresh engine
// works out, and a narrowed set of fields leaves the others alone.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/engine/Moment.h"

namespace tessaly {
namespace {

using testing::Moment;

void setMoment(Moment& m, double day, double month, double year, double localHour) {
  m.state.InDay = day;
  m.state.InMonth = month;
  m.state.InYear = year;
  m.state.UTHour = localHour - m.state.TZone;
  m.state.DayUT = day + m.state.UTHour / 24;
}

// Every field MAINCALC writes and every number of the record, bit for bit.
void expectSame(const Moment& kept, const Moment& fresh) {
  for (std::string_view field : kShownNames)
    ASSERT_EQ(kept.fields.text(field), fresh.fields.text(field)) << field;
  for (double ObservationState::*number :
       {&ObservationState::MoonRA, &ObservationState::MoonDec, &ObservationState::MoonLon, &ObservationState::MoonPar,
        &ObservationState::AtnAdd, &ObservationState::ScratchV, &ObservationState::AzDeg, &ObservationState::MoonAge,
        &ObservationState::PhaseJD, &ObservationState::PhaseSunM, &ObservationState::PhaseMoonM,
        &ObservationState::PhaseF, &ObservationState::PhaseRev, &ObservationState::PhaseT})
    ASSERT_EQ(std::memcmp(&(kept.state.*number), &(fresh.state.*number), sizeof(double)), 0);
  ASSERT_EQ(kept.state.PhaseK, fresh.state.PhaseK);
}

// One engine steps through 40 days hour by hour, running RISESETCULM at each
// date's start as Calculate does; every hour is also worked out afresh. The
// zones include one whose hours are not whole.
TEST(KeptResults, HourAfterHourEqualsAFreshEngine) {
  for (float zone : {2.0f, -3.5f, 5.75f}) {
    SCOPED_TRACE(zone);
    Moment kept(1, 3, 2021, 0, zone);
    kept.engine.keepMoonSamples(true);
    for (int day = 1; day <= 40; ++day) {
      const double d = day <= 31 ? day : day - 31, month = day <= 31 ? 3 : 4;
      setMoment(kept, d, month, 2021, 0);
      kept.engine.RISESETCULM();
      for (int hour = 0; hour < 24; hour += day % 3 + 1) {
        setMoment(kept, d, month, 2021, hour);
        kept.engine.MAINCALC();
        Moment fresh(d, month, 2021, hour, zone);
        fresh.engine.MAINCALC();
        ASSERT_NO_FATAL_FAILURE(expectSame(kept, fresh)) << d << "." << month << " " << hour << "h";
      }
    }
  }
}

// The phases kept follow the language and the zone, which they read. Any
// caption but the exact English one gives the Russian names.
TEST(KeptResults, PhasesFollowTheLanguageAndTheZone) {
  Moment m(8, 2, 2021, 12, 2);
  m.engine.MAINCALC();
  EXPECT_EQ(m["Phase1"], "3 Quarter");
  EXPECT_EQ(m["DatePhase1"], "4.2.2021 19:38");
  m.fields.setText("Label25", "moon phases");
  m.engine.MAINCALC();
  EXPECT_EQ(m["Phase1"], "3 четверть");
  EXPECT_EQ(m["Phase2"], "Новолуние");
  m.fields.setText("Timezon", "3");
  m.engine.readObserver();
  setMoment(m, 8, 2, 2021, 12);
  m.engine.MAINCALC();
  EXPECT_EQ(m["DatePhase1"], "4.2.2021 20:38");
}

// Narrowed to the age, MAINCALC still writes the Julian date the age is read
// from, and nothing else.
TEST(KeptResults, NarrowedFieldsAreTheOnlyOnesWritten) {
  Moment full(15, 3, 2021, 21.5, 2), narrow(15, 3, 2021, 21.5, 2);
  ShownSet ageOnly;
  ageOnly.set(static_cast<std::size_t>(Shown::Label37));
  narrow.engine.showOnly(ageOnly);
  full.engine.MAINCALC();
  narrow.engine.MAINCALC();
  EXPECT_EQ(narrow["Label37"], full["Label37"]);
  EXPECT_EQ(narrow["JulianDate"], full["JulianDate"]);
  for (std::string_view field : kShownNames) {
    if (field != "Label37" && field != "JulianDate") {
      EXPECT_EQ(narrow.fields.text(field), "") << field;
    }
  }
  EXPECT_EQ(narrow.state.MoonRA, full.state.MoonRA);
}

}  // namespace
}  // namespace tessaly
