// How long a complete design takes (entries stored, calculation, whole report), and the number
// format that every report line goes through.
#include <benchmark/benchmark.h>

#include "core/design/Design.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Numbers.h"
#include "core/state/StartUp.h"

namespace {

void CompleteDesign(benchmark::State& run) {
  bs::YagiVar::State state;
  bs::YagiVar::StartUp(state);
  bs::design::DesignEntries entries = bs::design::EntriesFromState(state);
  entries.edit[bs::design::kDirectorsBox] = std::to_string(run.range(0));
  bs::design::NoteCoax(state, 12);
  for (auto _ : run) {
    bs::design::Report report;
    bs::design::StoreDesignInputs(entries, state);
    bs::design::Yagidimensions(state, report);
    benchmark::DoNotOptimize(report.Text().data());
  }
}
BENCHMARK(CompleteDesign)->Arg(8)->Arg(100);

void FixedFormat(benchmark::State& run) {
  long double value = 926.8765;
  for (auto _ : run) {
    benchmark::DoNotOptimize(bs::FormatFixed(value, 17, 1, '.'));
    value += 0.001L;
  }
}
BENCHMARK(FixedFormat);

}  // namespace
