// The month table's rows without the screen: what turning to another month
// computes, the events and the midnight illumination of every date.
#include <benchmark/benchmark.h>

#include "almanacwindow/MonthPage.h"
#include "window/Headless.h"

namespace tessaly {
namespace {

void MonthTable(benchmark::State& run) {
  HeadlessForm window;
  setAngleConstants(window.form.state());
  int month = 0;
  for (auto _ : run) {
    MonthPage page;
    if (monthPage(window.form.model(), window.form.state().AzimShift, nullptr, 1 + month, 2026, page))
      run.SkipWithError("the month table refused the place");
    month = (month + 1) % 12;
    benchmark::DoNotOptimize(page.rows.data());
  }
}
BENCHMARK(MonthTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly
