// Costs of the lunar series, the day's rise/set sampling, the main
// calculation and whole Calculate presses.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "engine/MemoryFieldStore.h"
#include "window/Calculate.h"
#include "window/Headless.h"

namespace tessaly {
namespace {

// The fields as a user in a mid-latitude town would type them.
void typeTypicalInput(MemoryFieldStore& fields) {
  for (auto [field, text] : {std::pair{"DateDay", "15"}, {"DateMonth", "3"}, {"DateYear", "2021"},
                             {"TimeHour", "21"}, {"TimeMin", "30"}, {"TimeSec", "0"},
                             {"LongGrad", "30"}, {"LongMin", "15"}, {"LatGrad", "45"},
                             {"LatMin", "0"}, {"Timezon", "2"}, {"Label25", "Moon Phases"}})
    fields.setText(field, text);
}

// An engine whose state a successful Calculate has prepared.
struct Prepared {
  MemoryFieldStore fields;
  ObservationState state;
  Engine engine{state, fields};
  Prepared() {
    setAngleConstants(state);
    typeTypicalInput(fields);
    SilentMessages messages;
    Command2_Click(engine, messages);
  }
};

void MoonEcl(benchmark::State& run) {
  Prepared p;
  const double moment = p.state.TCent;
  for (auto _ : run) {
    p.state.TCent = moment;
    p.engine.MoonEcl();
    benchmark::DoNotOptimize(p.state.MoonRA);
  }
}
BENCHMARK(MoonEcl);

void RISESETCULM(benchmark::State& run) {
  Prepared p;
  for (auto _ : run) {
    p.engine.RISESETCULM();
    benchmark::DoNotOptimize(p.state.AzDeg);
  }
}
BENCHMARK(RISESETCULM);

void MAINCALC(benchmark::State& run) {
  Prepared p;
  const double utHour = p.state.UTHour, dayUT = p.state.DayUT;
  for (auto _ : run) {
    p.state.UTHour = utHour;
    p.state.DayUT = dayUT;
    p.engine.MAINCALC();
    benchmark::DoNotOptimize(p.state.MoonAge);
  }
}
BENCHMARK(MAINCALC);

// Presses alternate between two dates a fortnight apart, starting with the
// one not prepared, so that neither the phases nor the Moon's places kept
// from one press serve the next: each press costs what a first press does.
void Calculate(benchmark::State& run) {
  Prepared p;
  RecordedMessages messages;
  bool prepared = false;
  for (auto _ : run) {
    p.fields.setText("DateDay", prepared ? "15" : "29");
    prepared = !prepared;
    benchmark::DoNotOptimize(Command2_Click(p.engine, messages));
  }
  if (!messages.shown.empty()) run.SkipWithError("Calculate refused the typical input");
}
BENCHMARK(Calculate);

// A Calculate for every hour of 2021, as a user stepping through a year.
void YearOfHourlyCalculates(benchmark::State& run) {
  Prepared p;
  RecordedMessages messages;
  constexpr int kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (auto _ : run) {
    for (int month = 1; month <= 12; ++month) {
      p.fields.setText("DateMonth", std::to_string(month));
      for (int day = 1; day <= kMonthLength[month - 1]; ++day) {
        p.fields.setText("DateDay", std::to_string(day));
        for (int hour = 0; hour < 24; ++hour) {
          p.fields.setText("TimeHour", std::to_string(hour));
          benchmark::DoNotOptimize(Command2_Click(p.engine, messages));
        }
      }
    }
  }
  if (!messages.shown.empty()) run.SkipWithError("Calculate refused an hour of the year");
  run.SetItemsProcessed(run.iterations() * 8760);
}
BENCHMARK(YearOfHourlyCalculates)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly
