// How long a complete design takes (entries stored, calculation, whole report), and the number
// format that every report line goes through.
#include <benchmark/benchmark.h>

#include "design/Design.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "state/StartUp.h"

namespace {

void CompleteDesign(benchmark::State& run) {
  YagiVar::State state;
  YagiVar::StartUp(state);
  design::DesignEntries entries = design::EntriesFromState(state);
  entries.edit[design::kDirectorsBox] = std::to_string(run.range(0));
  design::NoteCoax(state, 12);
  for (auto _ : run) {
    design::Report report;
    design::StoreDesignInputs(entries, state);
    design::Yagidimensions(state, report);
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
