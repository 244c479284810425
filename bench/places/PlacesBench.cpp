// Finding a place: reading the gazetteer once, preparing its names, and one
// keystroke's search over some 24,000 towns.
#include <benchmark/benchmark.h>

#include "places/Gazetteer.h"
#include "places/PlaceIndex.h"

namespace tessaly {
namespace {

// Read once per process: one iteration is the first opening of the dialog.
void BM_ReadGazetteer(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(gazetteer().size());
}
BENCHMARK(BM_ReadGazetteer)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_PrepareNames(benchmark::State& state) {
  const std::vector<Place>& places = gazetteer();
  for (auto _ : state) {
    PlaceIndex index(places);
    benchmark::DoNotOptimize(&index);
  }
}
BENCHMARK(BM_PrepareNames)->Unit(benchmark::kMillisecond);

void BM_Keystroke(benchmark::State& state) {
  static const PlaceIndex index(gazetteer());
  const char* texts[] = {"B", "Berl", "new york", "москва", "Portland, Maine"};
  const char* text = texts[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(index.find(text, 200).size());
  state.SetLabel(text);
}
BENCHMARK(BM_Keystroke)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly
