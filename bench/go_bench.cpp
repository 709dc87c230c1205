// Go, clicked on the Go button of the main window, on the headless backend, in a process without
// Qt: the baseline of go_qt_bench, which runs the same in the window. Before each run, outside
// the measurement, the form is edited (which empties the output). A first run, unmeasured, opens
// the Static Attributes window that Go reads.

#include <benchmark/benchmark.h>

#include "framework/headlessbackend.h"
#include "gorun.h"
#include "startup.h"

namespace {

// Five decades of E192, or (with `largest`) a run that writes the largest text.
void BM_GoHeadless(benchmark::State& state, bool largest) {
  fw::HeadlessBackend backend;
  fw::Runtime runtime(backend);
  quillex::StartUp(runtime);
  form::Window1& w = gorun::longE192Family();
  w.PushButton1().userClick();
  const std::int64_t devices = largest ? gorun::goWritesTheLargestText(w) : gorun::kDevices;
  for (auto _ : state) {
    state.PauseTiming();
    gorun::editForm(w);
    state.ResumeTiming();
    w.PushButton1().userClick();
    benchmark::DoNotOptimize(w.TestEF().Text().data());
  }
  gorun::reportDevices(state, devices);
}
BENCHMARK_CAPTURE(BM_GoHeadless, e192, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GoHeadless, largestText, true)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
