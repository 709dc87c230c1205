// Go on the headless backend: whole runs, and the cost per device as a run grows, which must
// stay flat (no joins or copies that grow with the text).

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "form/window1.h"
#include "framework/headlessbackend.h"
#include "framework/runtime.h"
#include "generate/go.h"

namespace {

// A main window with ohms, E192 (or another series) from `start` to `stop`.
struct Family {
  Family(const char* series, const char* start, const char* stop) {
    w.ValueSuffixPU().setListIndex(1);
    w.RefDesPreCB().setText("R");
    w.SeriesPU().setListIndex(std::stoi(series));
    w.StartEF().setText(start);
    w.StopEF().setText(stop);
  }
  fw::HeadlessBackend backend;
  fw::Runtime runtime{backend};
  form::Window1& w = form::Window1::Instance();
};

void run(benchmark::State& state, const char* series, const char* start, const char* stop) {
  Family family(series, start, stop);
  double devices = 0;
  for (auto _ : state) {
    generate::PushButton1_Action(family.w);
    devices = std::stod(family.w.DeviceCntST().Text());
    benchmark::DoNotOptimize(family.w.TestEF().Text().data());
  }
  state.counters["devices"] = devices;
  state.counters["per_device"] =
      benchmark::Counter(devices * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["bytes"] = static_cast<double>(family.w.TestEF().Text().size());
}

// E192 over five decades: 961 devices.
void BM_GoE192FiveDecades(benchmark::State& state) { run(state, "5", "1", "100000"); }
BENCHMARK(BM_GoE192FiveDecades)->Unit(benchmark::kMillisecond);

// The widest run the ohm tables allow: 0.0001 Ω up to the top of the exa-ohm decades.
void BM_GoE192WidestOhms(benchmark::State& state) { run(state, "5", "0.0001", "9e20"); }
BENCHMARK(BM_GoE192WidestOhms)->Unit(benchmark::kMillisecond);

// The cost per device at about 100, 1,000 and 4,600 devices.
void BM_GoPerDevice(benchmark::State& state) {
  const int decadesTimes10 = static_cast<int>(state.range(0));
  char stop[32];
  std::snprintf(stop, sizeof stop, "%g", 0.0001 * std::pow(10.0, decadesTimes10 / 10.0));
  run(state, "5", "0.0001", stop);
}
BENCHMARK(BM_GoPerDevice)->Arg(5)->Arg(52)->Arg(240)->Unit(benchmark::kMillisecond);

}  // namespace
