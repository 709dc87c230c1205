// The Qt backend's yield, which a long loop calls on every pass (Go once per device and Evalue
// once per series value it moves on to), on the offscreen platform.

#include <benchmark/benchmark.h>

#include "framework/runtime.h"
#include "qt/offscreen.h"
#include "units/evalue.h"

namespace {

fw::Backend* g_backend = nullptr;

// A yield with nothing to do, through the framework as the program calls it; about every 10 ms
// one of them processes the (empty) event queue.
void BM_QtYield(benchmark::State& state) {
  fw::Runtime runtime(*g_backend);
  for (auto _ : state) fw::Yield();
}
BENCHMARK(BM_QtYield);

// Go's call, given the framework's yield, with the last value of a decade.
void BM_EvalueQt(benchmark::State& state) {
  fw::Runtime runtime(*g_backend);
  const int perDecade = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(units::Evalue(9.87, perDecade, 0, fw::Yield));
}
BENCHMARK(BM_EvalueQt)->Arg(12)->Arg(192);

}  // namespace

int main(int argc, char** argv) {
  qtui::OffscreenSession session(argc, argv);
  g_backend = &session.backend();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
