// The frequency estimate's search on its worst inputs: the walk it replaces would take tens of
// millions of 1 kHz steps for a 1 mm dipole.
#include <benchmark/benchmark.h>

#include "core/export/Estimate.h"

namespace {

namespace ex = bs::exporting;

void EstimateDipole(benchmark::State& state) {
  const double length = static_cast<double>(state.range(0)) / 1000;
  for (auto _ : state) benchmark::DoNotOptimize(ex::SearchDipole(length, 10));
}
// From a 1 mm dipole (over 30 million steps) to a 200 m one (below 1 MHz, single steps).
BENCHMARK(EstimateDipole)->Arg(1)->Arg(1000)->Arg(980'000)->Arg(200'000'000);

void EstimateReflector(benchmark::State& state) {
  const double length = static_cast<double>(state.range(0)) / 1000;
  for (auto _ : state) benchmark::DoNotOptimize(ex::SearchReflector(length, 10, 25, 0));
}
BENCHMARK(EstimateReflector)->Arg(1)->Arg(1000)->Arg(1'000'000)->Arg(100'000'000);

// An element thicker than a third of a wavelength: the search runs up to the formula's pole.
void EstimateThickReflector(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ex::SearchReflector(3, 2.5, 0, 2));
}
BENCHMARK(EstimateThickReflector);

}  // namespace
