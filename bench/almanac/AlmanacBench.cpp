// The almanac's rows: a year of daily rows against a year of hourly rows,
// formatted as the default table into a stream that discards them.
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "almanac/Columns.h"
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

void DailyYear(benchmark::State& run) { yearOfRows(run, std::chrono::days{1}); }
void HourlyYear(benchmark::State& run) { yearOfRows(run, std::chrono::hours{1}); }
BENCHMARK(DailyYear)->Unit(benchmark::kMillisecond);
BENCHMARK(HourlyYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly
