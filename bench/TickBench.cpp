// Cost of one real-time tick: the location check, the date and time fields
// from the clock and the whole main calculation, on the window model.
#include <benchmark/benchmark.h>

#include "MainForm.h"

namespace tessaly {
namespace {

// A clock that moves on by one second at every reading, as the ticks do.
struct SteppingClock : Clock {
  explicit SteppingClock(int dayOfMarch2021) : reading{dayOfMarch2021, 3, 2021, 21, 30, 0, 77400} {}
  mutable ClockReading reading;
  ClockReading now() const override {
    ClockReading r = reading;
    reading.second = (reading.second + 1) % 60;
    reading.secondsSinceMidnight += 1;
    return r;
  }
};
struct SilentMessages : MessageSink {
  int count = 0;
  void showMessage(std::string_view) override { ++count; }
};
struct NoExit : ProgramExit {
  void endProgram() override {}
};

// On the 15th the first phase shown is the new moon of the Moon's age; on
// the 25th, as on three days in four, it is another phase and the tick works
// out one more.
void Tick(benchmark::State& run) {
  SteppingClock clock(static_cast<int>(run.range(0)));
  SilentMessages messages;
  NoExit exit;
  MainForm form(clock, messages, exit);
  setAngleConstants(form.state());
  for (auto _ : run) form.Timer1_Timer();
  if (messages.count != 0) run.SkipWithError("the tick refused the initial place");
}
BENCHMARK(Tick)->Arg(15)->Arg(25);

}  // namespace
}  // namespace tessaly
