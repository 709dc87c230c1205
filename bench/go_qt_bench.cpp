// Go, clicked on the Go button of the main window shown on the offscreen platform, as the user
// sees it, against what a bare QPlainTextEdit takes to show the same text: what the window adds
// to Go is (this run - go_bench's run, which has no Qt) and should stay near the cost of the
// text field itself. Each is measured as the handler alone and as the handler and the drawing
// of the window it leaves, so no deferred work escapes the measurement. Before each run, outside
// the measurement, the form is edited (which empties the output) and the window drawn.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>

#include "gorun.h"
#include "qt/offscreen.h"
#include "startup.h"

namespace {

qtui::OffscreenSession* g_session = nullptr;

// Five decades of E192, or (with `largest`) a run that writes the largest text.
void BM_GoQt(benchmark::State& state, bool largest, bool drawn) {
  fw::Runtime runtime(g_session->backend());
  quillex::StartUp(runtime);
  form::Window1& w = gorun::longE192Family();
  g_session->click(w, w.PushButton1());
  const std::int64_t devices = largest ? gorun::goWritesTheLargestText(w) : gorun::kDevices;
  g_session->processEvents();
  for (auto _ : state) {
    state.PauseTiming();
    gorun::editForm(w);
    g_session->processEvents();
    state.ResumeTiming();
    if (!g_session->click(w, w.PushButton1())) state.SkipWithError("Go is not shown");
    if (drawn) g_session->processEvents();
    benchmark::DoNotOptimize(w.TestEF().Text().data());
  }
  gorun::reportDevices(state, devices);
}
BENCHMARK_CAPTURE(BM_GoQt, handler, false, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GoQt, untilDrawn, false, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GoQt, largestTextUntilDrawn, true, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The output field's own cost: the text of the E192 run (or the largest text) set with one
// setPlainText on a bare QPlainTextEdit of the output field's size, font and wrapping, shown
// empty before.
void BM_BarePlainTextEdit(benchmark::State& state, bool largest, bool drawn) {
  fw::Runtime runtime(g_session->backend());
  quillex::StartUp(runtime);
  form::Window1& w = gorun::longE192Family();
  g_session->click(w, w.PushButton1());
  if (largest) {
    gorun::goWritesTheLargestText(w);
    g_session->click(w, w.PushButton1());
  }
  g_session->processEvents();
  const QString text = QString::fromStdString(w.TestEF().Text());
  QPlainTextEdit* field = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    auto* found = top->findChild<QPlainTextEdit*>("TestEF");
    if (found != nullptr && found->isVisible()) field = found;
  }
  if (field == nullptr) {
    state.SkipWithError("no output field");
    return;
  }
  QPlainTextEdit bare;
  bare.setFont(field->font());
  bare.setLineWrapMode(field->lineWrapMode());
  bare.resize(field->size());
  bare.show();
  for (auto _ : state) {
    state.PauseTiming();
    bare.setPlainText(QString());
    g_session->processEvents();
    state.ResumeTiming();
    bare.setPlainText(text);
    if (drawn) g_session->processEvents();
  }
}
BENCHMARK_CAPTURE(BM_BarePlainTextEdit, handler, false, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BarePlainTextEdit, untilDrawn, false, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BarePlainTextEdit, largestTextUntilDrawn, true, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

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
