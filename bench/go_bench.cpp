// Go, clicked on the Go button of the main window, on the headless backend, in a process without
// Qt: the baseline of go_qt_bench, which runs the same in the window. Before each run, outside
// the measurement, the form is edited (which empties the output). A first run, unmeasured, opens
// the Static Attributes window that Go reads. A last case measures a press of Go that is refused
// for the size of the text it would make.

#include <benchmark/benchmark.h>

#include <string>

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

// Go refused before its first device: a 1 MiB text in each part-number prefix, E192 from 1 to
// 1000 ohm, would make a text of 1.7 GB. What is measured is the whole press: the section lines,
// which hold the three texts, the estimate of the text's size and, the estimate being over the
// limit, the count of its exact size.
void BM_GoRefusedBySize(benchmark::State& state) {
  fw::HeadlessBackend backend;
  fw::Runtime runtime(backend);
  quillex::StartUp(runtime);
  form::Window1& w = gorun::longE192Family();
  w.StopEF().setText("1000");
  for (int i = 0; i < 3; ++i) w.PrefixEF(i).setText(std::string(std::size_t{1} << 20, 'P'));
  for (auto _ : state) {
    w.PushButton1().userClick();
    benchmark::DoNotOptimize(w.CurrentValueST().Text().data());
  }
  if (!w.CurrentValueST().Text().starts_with("The text would be")) {
    state.SkipWithError("Go was not refused");
  }
}
BENCHMARK(BM_GoRefusedBySize)->Unit(benchmark::kMillisecond);

}  // namespace
