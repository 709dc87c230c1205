// Go over five decades of the E192 series (1 to 100000 ohm, 961 devices), started as a click on
// the Go button of the main window: once on the headless backend, once on the Qt backend with the
// window shown on the offscreen platform, as the user sees it. Before each run, outside the
// measurement, the form is edited (which empties the output, so each run shows a new text) and,
// on Qt, the window drawn. The Qt run is measured as the handler alone and as the handler and the
// drawing of the window it leaves, so no deferred work escapes the measurement. A first run,
// unmeasured, opens the Static Attributes window that Go reads. A last case measures a press of Go
// that is refused for the size of the text it would make.

#include <benchmark/benchmark.h>

#include <string>

#include "form/window1.h"
#include "framework/headlessbackend.h"
#include "framework/runtime.h"
#include "qt/offscreen.h"
#include "startup.h"

namespace {

form::Window1& longE192Family() {
  form::Window1& w = form::Window1::Instance();
  w.ValueSuffixPU().setListIndex(1);
  w.SeriesPU().setListIndex(5);
  w.StartEF().setText("1");
  w.StopEF().setText("100000");
  w.RefDesPreCB().setText("R");
  return w;
}

// A change of the library-name suffix, which every device line carries.
void editForm(form::Window1& w) { w.LibSufEF().setText(w.LibSufEF().Text().empty() ? "-" : ""); }

void reportDevices(benchmark::State& state) {
  state.counters["devices"] = 961;
  state.counters["per_device"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * 961,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_GoHeadless(benchmark::State& state) {
  fw::HeadlessBackend backend;
  fw::Runtime runtime(backend);
  quillex::StartUp(runtime);
  form::Window1& w = longE192Family();
  w.PushButton1().userClick();
  for (auto _ : state) {
    state.PauseTiming();
    editForm(w);
    state.ResumeTiming();
    w.PushButton1().userClick();
    benchmark::DoNotOptimize(w.TestEF().Text().data());
  }
  reportDevices(state);
}
BENCHMARK(BM_GoHeadless)->Unit(benchmark::kMillisecond);

// Go refused before its first device: a 1 MiB text in each part-number prefix, E192 from 1 to
// 1000 ohm, would make a text of 1.7 GB. What is measured is the whole press: the section lines,
// which hold the three texts, and the estimate of the text's size.
void BM_GoRefusedBySize(benchmark::State& state) {
  fw::HeadlessBackend backend;
  fw::Runtime runtime(backend);
  quillex::StartUp(runtime);
  form::Window1& w = longE192Family();
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

qtui::OffscreenSession* g_session = nullptr;

void BM_GoQt(benchmark::State& state, bool drawn) {
  fw::Runtime runtime(g_session->backend());
  quillex::StartUp(runtime);
  form::Window1& w = longE192Family();
  g_session->click(w, w.PushButton1());
  g_session->processEvents();
  for (auto _ : state) {
    state.PauseTiming();
    editForm(w);
    g_session->processEvents();
    state.ResumeTiming();
    if (!g_session->click(w, w.PushButton1())) state.SkipWithError("Go is not shown");
    if (drawn) g_session->processEvents();
    benchmark::DoNotOptimize(w.TestEF().Text().data());
  }
  reportDevices(state);
}
BENCHMARK_CAPTURE(BM_GoQt, handler, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GoQt, untilDrawn, true)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qtui::OffscreenSession session(argc, argv);
  g_session = &session;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
