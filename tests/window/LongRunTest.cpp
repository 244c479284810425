// Days of real-time tracking compressed into one run: ticks walking through
// four centuries, with the place, zone, azimuth reference and language
// changed every few thousand ticks through Manual, Calculate and back.
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "Fakes.h"
#include "TempConfigHome.h"
#include "ValueFields.h"

namespace tessaly {
namespace {

using testing::FormFixture;

struct Place {
  const char *longDeg, *longMin;
  int west;
  const char *latDeg, *latMin;
  int south;
  const char* zone;
};

constexpr Place kPlaces[] = {
    {"30", "15", 0, "45", "00", 0, "2"},        {"180", "0", 1, "90", "0", 1, "-12"},
    {"179", "59.99", 0, "89", "59.99", 0, "12"}, {"0", "0", 0, "0", "0", 0, "0"},
    {"77", "30", 1, "33", "20", 1, "-5.5"},      {"139", "45", 0, "66", "33.7", 0, "9.5"},
};

// The sanitizer build runs fewer ticks; the plain build runs them all.
long tickCount() {
  const char* text = std::getenv("TESSALY_LONG_RUN_TICKS");
  return text != nullptr ? std::atol(text) : 200000;
}

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

// Bytes of heap in use; the sanitizer's allocator keeps its own count.
std::size_t heapInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

// Local date and time the given seconds after 1700-01-01 00:00.
ClockReading clockAt(std::int64_t seconds, double fraction) {
  // Days counted from 0000-03-01, the start of the calendar's 400-year eras.
  const std::int64_t z = seconds / 86400 - 98615 + 719468;
  const std::int64_t second = seconds % 86400;
  const std::int64_t era = z / 146097, doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  ClockReading r;
  r.day = int(doy - (153 * mp + 2) / 5 + 1);
  r.month = int(mp < 10 ? mp + 3 : mp - 9);
  r.year = int(yoe + era * 400 + (r.month <= 2));
  r.hour = int(second / 3600);
  r.minute = int(second % 3600 / 60);
  r.second = int(second % 60);
  r.secondsSinceMidnight = double(second) + fraction;
  return r;
}

void enterPlace(WindowModel& m, const Place& p) {
  m.setText("LongGrad", p.longDeg);
  m.setText("LongMin", p.longMin);
  m.selectEntry("List1", p.west);
  m.setText("LatGrad", p.latDeg);
  m.setText("LatMin", p.latMin);
  m.selectEntry("List2", p.south);
  m.setText("Timezon", p.zone);
}

TEST(LongRun, FourCenturiesOfTicksKeepEveryFieldANumberAndTheHeapFlat) {
  testing::TempConfigHome home;
  FormFixture f;
  WindowModel& m = f.form.model();
  f.clock.reading = clockAt(0, 0);
  f.form.Form_Load();

  const long ticks = tickCount();
  constexpr long kSegment = 2500;
  constexpr std::int64_t kSpan = std::int64_t(146462) * 86400;  // 1700-01-01 to 2101-01-01
  const std::int64_t step = kSpan / ticks;
  std::size_t heapAfterWarmUp = 0;
  long bad = 0;
  std::string firstBad;

  auto check = [&](long i, const char* after) {
    if (const std::string field = testing::badValueField(m); !field.empty() && bad++ == 0)
      firstBad = std::string(after) + " " + std::to_string(i) + " at " + m.text("DateDay") + "." +
                 m.text("DateMonth") + "." + m.text("DateYear") + ": " + field;
  };

  for (long i = 0; i < ticks; ++i) {
    f.clock.reading = clockAt(i * step, double(i % 1000) / 1000);
    f.form.Timer1_Timer();
    check(i, "tick");
    if (i % kSegment != 0) continue;
    // Another place, reference and language, calculated by hand at the
    // moment of the last tick before tracking resumes.
    const long segment = i / kSegment;
    m.setSelected("Option2", true);
    enterPlace(m, kPlaces[segment % std::size(kPlaces)]);
    f.form.Command2_Click();
    check(i, "Calculate after tick");
    if (segment % 3 == 0) f.form.me1_12_Click();
    if (segment % 3 == 1) f.form.me1_13_Click();
    if (segment % 3 == 2) f.form.me1_14_Click();
    if (segment % 2 == 0) f.form.me1_10_Click();
    if (segment % 2 == 1) f.form.me1_9_Click();
    m.setSelected("Option1", true);
    if (segment == 12) heapAfterWarmUp = heapInUse();  // every place, reference and language seen
  }

  EXPECT_EQ(bad, 0) << firstBad;
  EXPECT_TRUE(f.messages.shown.empty()) << f.messages.shown.front();
  EXPECT_EQ(m.text("DateYear"), "2100");  // the whole range walked
  EXPECT_EQ(m.entries("List1").size(), 2u);
  EXPECT_EQ(m.entries("List2").size(), 2u);
  if (ticks > 13 * kSegment) {
    EXPECT_LT(heapInUse(), heapAfterWarmUp + 64 * 1024);
  }
}

}  // namespace
}  // namespace tessaly
