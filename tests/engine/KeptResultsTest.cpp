// What the engine keeps from one calculation for the next (the Moon's place
// at the sampled hours, the phases) gives exactly what a fresh engine
// works out, and a narrowed set of fields leaves the others alone. That the
// kept phases follow a change of language or zone is checked in the window.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/engine/Moment.h"

namespace tessaly {
namespace {

using testing::Moment;

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
      kept.setMoment(d, month, 2021, 0);
      kept.engine.RISESETCULM();
      for (int hour = 0; hour < 24; hour += day % 3 + 1) {
        kept.setMoment(d, month, 2021, hour);
        kept.engine.MAINCALC();
        Moment fresh(d, month, 2021, hour, zone);
        fresh.engine.MAINCALC();
        ASSERT_NO_FATAL_FAILURE(expectSame(kept, fresh)) << d << "." << month << " " << hour << "h";
      }
    }
  }
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
  for (std::string_view field : kShownNames) {
    const bool written = field == "Label37" || field == "JulianDate";
    EXPECT_EQ(narrow.fields.text(field), written ? full.fields.text(field) : "") << field;
  }
  EXPECT_EQ(narrow.state.MoonRA, full.state.MoonRA);
}

}  // namespace
}  // namespace tessaly
