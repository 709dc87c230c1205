// Series snapping and value formatting: the work Go does for every device of a family.

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "framework/headlessbackend.h"
#include "framework/runtime.h"
#include "units/evalue.h"
#include "units/multipliercodes.h"
#include "units/pointlettercodes.h"
#include "units/valuetexts.h"

namespace {

// The last value of a decade; the search costs about the same anywhere.
void BM_Evalue(benchmark::State& state) {
  const int perDecade = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(units::Evalue(9.87, perDecade, 0));
}
BENCHMARK(BM_Evalue)->Arg(6)->Arg(12)->Arg(24)->Arg(48)->Arg(96)->Arg(192)->Arg(125);

// A value in the middle of the decade: the typical cost.
void BM_EvalueMidDecade(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(units::Evalue(3.3, 192, 0));
}
BENCHMARK(BM_EvalueMidDecade);

// As Go calls it: inside a running framework, given the framework's yield, so every value the
// search moves on to yields (here to the headless backend, which counts the yields).
void BM_EvalueInRuntime(benchmark::State& state) {
  fw::HeadlessBackend backend;
  fw::Runtime runtime(backend);
  const int perDecade = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(units::Evalue(9.87, perDecade, 0, fw::Yield));
}
BENCHMARK(BM_EvalueInRuntime)->Arg(12)->Arg(192);

// Values spread over a few decades, snapped in every mode: the average cost.
void BM_EvalueSpread(benchmark::State& state) {
  const int perDecade = static_cast<int>(state.range(0));
  std::vector<double> values;
  for (int i = 0; i < 1000; ++i) values.push_back(std::pow(10.0, -3 + i * 0.00917));
  size_t i = 0;
  int mode = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(units::Evalue(values[i], perDecade, mode));
    if (++i == values.size()) {
      i = 0;
      mode = (mode + 1) % 4;
    }
  }
}
BENCHMARK(BM_EvalueSpread)->Arg(12)->Arg(192);

units::UnitTable ohms() {
  units::UnitTable t;
  units::InstallUnitRow(t, 1);
  return t;
}

const double kValue = 4.75e3;

void BM_Double2HumanValue(benchmark::State& state) {
  const units::UnitTable t = ohms();
  for (auto _ : state) benchmark::DoNotOptimize(units::Double2HumanValue(kValue, 3, true, t));
}
BENCHMARK(BM_Double2HumanValue);

void BM_Double2stackpole(benchmark::State& state) {
  const units::UnitTable t = ohms();
  for (auto _ : state) benchmark::DoNotOptimize(units::Double2stackpole(kValue, 3, t));
}
BENCHMARK(BM_Double2stackpole);

void BM_Double2spice(benchmark::State& state) {
  const units::UnitTable t = ohms();
  for (auto _ : state) benchmark::DoNotOptimize(units::Double2spice(kValue, t));
}
BENCHMARK(BM_Double2spice);

void BM_Double2EMMM(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(units::Double2EMMM(kValue, 3));
}
BENCHMARK(BM_Double2EMMM);

void BM_Double2MMME(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(units::Double2MMME(kValue, 3, true));
}
BENCHMARK(BM_Double2MMME);

void BM_Double20MMME(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(units::Double20MMME(0.475, 3));
}
BENCHMARK(BM_Double20MMME);

void BM_Double2Mrk0603Code(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(units::Double2Mrk0603Code(kValue));
}
BENCHMARK(BM_Double2Mrk0603Code);

void BM_IndexPartNumber0001(benchmark::State& state) {
  int n = 0;
  for (auto _ : state) benchmark::DoNotOptimize(units::IndexPartNumber0001(++n));
}
BENCHMARK(BM_IndexPartNumber0001);

void BM_Double2MMKM(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(units::Double2MMKM(kValue, 3, true));
}
BENCHMARK(BM_Double2MMKM);

void BM_Double2uHMME(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(units::Double2uHMME(0.0047, 2));
}
BENCHMARK(BM_Double2uHMME);

void BM_Double2MRMMME(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(units::Double2MRMMME(0.0047, 3));
}
BENCHMARK(BM_Double2MRMMME);

void BM_Double2MMLRKM(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(units::Double2MMLRKM(kValue, 4));
}
BENCHMARK(BM_Double2MMLRKM);

}  // namespace
