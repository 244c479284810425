// The almanac's rows: a year of daily rows against a year of hourly rows,
// formatted as the default table into a stream that discards them, and a
// year of event rows.
//
// What the rows should cost (instructions by scripts/count-instructions.sh;
// times by these benchmarks and by tessaly-cli under taskset):
//   hourly row             at most 32k instructions
//   daily --events row     at most 330k instructions
//   tick, on every day     at most 25k instructions
//   whole Calculate        no more than before (359k)
//   a century of hourly rows, 2 cores against 1: at most 0.6 of the time
//   month table, turning to the next month: at most 4 ms CPU
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "almanac/Columns.h"
#include "almanac/EventRow.h"
#include "almanac/MomentRange.h"
#include "almanac/RowCalculator.h"
#include "almanac/Table.h"
#include "window/Headless.h"

namespace tessaly {
namespace {

struct Discard : std::streambuf {
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// A window with the place and zone typed, as the command line leaves it.
struct TypedWindow : HeadlessForm {
  TypedWindow() {
    setAngleConstants(form.state());
    form.model().setSelected("Option2", true);
    form.model().setTexts(
        {{"LongGrad", "30"}, {"LongMin", "15"}, {"LatGrad", "45"}, {"LatMin", "0"}, {"Timezon", "2"}});
  }
};

void yearOfRows(benchmark::State& run, std::chrono::seconds step) {
  TypedWindow window;
  const FixedZone zone("2");
  const std::vector<almanac::Column> columns = almanac::defaultMomentColumns(false);
  Discard discard;
  std::ostream out(&discard);
  std::int64_t rows = 0;
  for (auto _ : run) {
    almanac::RowCalculator calculator(window.form);
    calculator.readOnly(almanac::columnFields(columns));
    almanac::Table table(out, std::vector<std::string>(columns.size(), "caption"),
                         std::vector<std::size_t>(columns.size(), 8), 0);
    almanac::MomentRange range(zone, date::local_days{date::year{2026} / 1 / 1},
                               date::local_days{date::year{2026} / 12 / 31}, std::chrono::seconds{0},
                               {step == std::chrono::days{1}, step});
    LocalMoment moment;
    std::vector<std::string> texts(columns.size());
    while (range.next(moment)) {
      if (calculator.calculate(moment)) run.SkipWithError("Calculate refused a row");
      for (std::size_t i = 0; i < columns.size(); ++i) texts[i] = almanac::columnText(columns[i], calculator.fields().fields());
      table.row(texts);
      ++rows;
    }
  }
  run.SetItemsProcessed(rows);
}

void EventYear(benchmark::State& run) {
  TypedWindow window;
  const FixedZone zone("2");
  const std::vector<almanac::Column> columns = almanac::defaultEventColumns(false);
  std::int64_t rows = 0;
  for (auto _ : run) {
    almanac::RowCalculator calculator(window.form);
    calculator.readOnly(almanac::eventPhaseFields());
    almanac::EventRow row;
    for (date::local_days day{date::year{2026} / 1 / 1}; day <= date::local_days{date::year{2026} / 12 / 31};
         day += date::days{1}) {
      if (almanac::eventRow(calculator, zone, day, almanac::kEventHour, row)) run.SkipWithError("Calculate refused a row");
      benchmark::DoNotOptimize(almanac::eventRowTexts(row, columns));
      ++rows;
    }
  }
  run.SetItemsProcessed(rows);
}
BENCHMARK(EventYear)->Unit(benchmark::kMillisecond);

void DailyYear(benchmark::State& run) { yearOfRows(run, std::chrono::days{1}); }
void HourlyYear(benchmark::State& run) { yearOfRows(run, std::chrono::hours{1}); }
BENCHMARK(DailyYear)->Unit(benchmark::kMillisecond);
BENCHMARK(HourlyYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly
