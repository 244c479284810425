// Days of real-time tracking compressed into one run: ticks walking through
// four centuries, with the azimuth reference and language changed every few
// thousand ticks through Manual, Calculate and back.
#include <gtest/gtest.h>
#include <malloc.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/support/TempConfigHome.h"
#include "tests/support/TypedWindow.h"
#include "tests/support/ValueFields.h"
#include "window/Headless.h"

namespace tessaly {
namespace {

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
  using namespace std::chrono;
  const sys_seconds t = sys_days{year{1700} / January / 1} + std::chrono::seconds{seconds};
  const sys_days day = floor<days>(t);
  const year_month_day date{day};
  const hh_mm_ss time{t - day};
  return {int(unsigned(date.day())),   int(unsigned(date.month())), int(date.year()),
          int(time.hours().count()),   int(time.minutes().count()), int(time.seconds().count()),
          double((t - day).count()) + fraction};
}

TEST(LongRun, FourCenturiesOfTicksKeepEveryFieldANumberAndTheHeapFlat) {
  testing::TempConfigHome home;
  HeadlessForm f;
  WindowModel& m = f.form.model();
  f.clock.reading = clockAt(0, 0);
  f.form.Form_Load();

  const long ticks = tickCount();
  constexpr long kSegment = 2500;
  const std::int64_t step = std::int64_t(146462) * 86400 / ticks;  // 1700-01-01 to 2101-01-01
  std::size_t heapAfterWarmUp = 0;

  for (long i = 0; i < ticks; ++i) {
    f.clock.reading = clockAt(i * step, double(i % 1000) / 1000);
    f.form.Timer1_Timer();
    ASSERT_EQ(testing::badValueField(m), "") << "tick " << i << " in " << m.text("DateYear");
    if (i % kSegment != 0) continue;
    // Calculated by hand at the moment of the last tick, then another
    // reference and language before tracking resumes.
    const long segment = i / kSegment;
    m.setSelected("Option2", true);
    f.form.Command2_Click();
    ASSERT_EQ(testing::badValueField(m), "") << "Calculate after tick " << i;
    testing::chooseReference(f.form, static_cast<int>(segment % 3));
    segment % 2 == 0 ? f.form.me1_10_Click() : f.form.me1_9_Click();
    m.setSelected("Option1", true);
    if (segment == 12) heapAfterWarmUp = heapInUse();  // every reference and language seen
  }

  EXPECT_TRUE(f.messages.shown.empty()) << f.messages.shown.front();
  EXPECT_EQ(m.text("DateYear"), "2100");  // the whole range walked
  EXPECT_EQ(m.entries("List1").size(), 2u);
  if (ticks > 13 * kSegment) {
    EXPECT_LT(heapInUse(), heapAfterWarmUp + 64 * 1024);
  }
}

}  // namespace
}  // namespace tessaly
