// The text functions every formatter and every device line go through.

#include <benchmark/benchmark.h>

#include "framework/headlessbackend.h"
#include "framework/numbers.h"
#include "framework/runtime.h"
#include "framework/text.h"

namespace {

void BM_StrOfDouble(benchmark::State& state) {
  double value = 4.7;
  for (auto _ : state) {
    benchmark::DoNotOptimize(fw::Str(value));
    value *= 1.0001;
  }
}
BENCHMARK(BM_StrOfDouble);

void BM_MidOfUnitText(benchmark::State& state) {
  const std::string text = "4.75kΩ 1% 0805 µH";
  for (auto _ : state) benchmark::DoNotOptimize(fw::Mid(text, 5, 3));
}
BENCHMARK(BM_MidOfUnitText);

// Joining a device-line template of 51 cells.
void BM_JoinTemplate(benchmark::State& state) {
  fw::Array<std::string> cells(50);
  for (int i = 0; i <= 50; ++i) cells[i] = i % 2 == 0 ? "\t" : "RC0805FR-07";
  for (auto _ : state) benchmark::DoNotOptimize(fw::Join(cells, ""));
}
BENCHMARK(BM_JoinTemplate);

// The yield of a long loop's every pass: without a running framework (a computation on its own),
// and through the runtime to the headless backend (which counts it).
void BM_YieldWithoutRuntime(benchmark::State& state) {
  for (auto _ : state) fw::Yield();
}
BENCHMARK(BM_YieldWithoutRuntime);

void BM_YieldHeadless(benchmark::State& state) {
  fw::HeadlessBackend backend;
  fw::Runtime runtime(backend);
  for (auto _ : state) fw::Yield();
  benchmark::DoNotOptimize(backend.yields);
}
BENCHMARK(BM_YieldHeadless);

}  // namespace
