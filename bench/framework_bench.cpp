// The text functions every formatter and every device line go through, and the Mac Roman
// conversions of File > Save and File > Open.

#include <benchmark/benchmark.h>

#include "framework/encoding.h"
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

// A save refused for the characters Mac Roman lacks: the check before the dialog on a text at
// Go's 64 MB limit, of device lines that each hold a snowman, and the conversion of one that
// saves. Both pass over the text once.
std::string textOfLines(const std::string& line) {
  std::string text;
  while (text.size() + line.size() <= (std::size_t{64} << 20)) text += line;
  return text;
}

void BM_CharactersWithoutMacRoman(benchmark::State& state) {
  const std::string text = textOfLines("R1\t4.7k\tµ ±1 % \u2603 tc=100\t0805\n");
  for (auto _ : state) benchmark::DoNotOptimize(fw::CharactersWithoutMacRoman(text, 5));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CharactersWithoutMacRoman)->Unit(benchmark::kMillisecond);

void BM_ToMacRoman(benchmark::State& state) {
  const std::string text = textOfLines("R1\t4.7k\tµ ±1 % Ω tc=100\t0805\n");
  for (auto _ : state) benchmark::DoNotOptimize(fw::ToMacRoman(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ToMacRoman)->Unit(benchmark::kMillisecond);

}  // namespace
