// Cost of one real-time tick: the location check, the date and time fields
// from the clock and the whole main calculation, on the window model.
#include <benchmark/benchmark.h>

#include "window/Headless.h"

namespace tessaly {
namespace {

// On the 15th the first phase shown is the new moon of the Moon's age; on
// the 25th, as on three days in four, it is another phase and the tick works
// out one more.
void Tick(benchmark::State& run) {
  HeadlessForm f;
  f.clock.set(static_cast<int>(run.range(0)), 3, 2021, 21, 30, 0);
  setAngleConstants(f.form.state());
  // The clock moves on by one second between ticks, as it does on screen.
  for (auto _ : run) {
    f.form.Timer1_Timer();
    f.clock.advance(1);
  }
  if (!f.messages.shown.empty()) run.SkipWithError("the tick refused the initial place");
}
BENCHMARK(Tick)->Arg(15)->Arg(25);

}  // namespace
}  // namespace tessaly
