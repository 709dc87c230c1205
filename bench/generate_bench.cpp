// Go on the headless backend: whole runs, and the cost per device as a run grows, which must
// stay flat (no joins or copies that grow with the text).

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "form/window1.h"
#include "framework/headlessbackend.h"
#include "framework/runtime.h"
#include "generate/filecommands.h"
#include "generate/go.h"
#include "generate/reader.h"

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

// The cost per device at about 100, 1,000 and 4,600 devices of the milliohm choice, from 1 mΩ
// up through 0.5, 5.2 and 24 decades: every run starts in the same decades, so a larger run
// differs only by the values it adds.
void BM_GoPerDevice(benchmark::State& state) {
  Family family("5", "1", "1");
  family.w.ValueSuffixPU().setListIndex(2);
  char stop[32];
  std::snprintf(stop, sizeof stop, "%g", std::pow(10.0, static_cast<double>(state.range(0)) / 10));
  family.w.StopEF().setText(stop);
  double devices = 0;
  for (auto _ : state) {
    generate::PushButton1_Action(family.w);
    devices = std::stod(family.w.DeviceCntST().Text());
  }
  state.counters["devices"] = devices;
  state.counters["per_device"] =
      benchmark::Counter(devices * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GoPerDevice)->Arg(5)->Arg(52)->Arg(239)->Unit(benchmark::kMillisecond);

// The same cost for 97 devices in different decades: how much the values themselves weigh.
void BM_GoDecade(benchmark::State& state) {
  char start[32], stop[32];
  std::snprintf(start, sizeof start, "1e%d", static_cast<int>(state.range(0)));
  std::snprintf(stop, sizeof stop, "3.2e%d", static_cast<int>(state.range(0)));
  run(state, "5", start, stop);
}
BENCHMARK(BM_GoDecade)->Arg(-3)->Arg(0)->Arg(10)->Arg(19)->Unit(benchmark::kMillisecond);

// A text of the nine section lines of a run and `devices` device lines.
std::string textWithDevices(Family& family, int devices) {
  generate::PushButton1_Action(family.w);
  const std::string& run = family.w.TestEF().Text();
  size_t sections = 0;
  for (int line = 0; line < 9; ++line) sections = run.find('\n', sections) + 1;
  const size_t firstEnd = run.find('\n', sections) + 1;
  std::string text = run.substr(0, sections);
  const std::string device = run.substr(sections, firstEnd - sections);
  for (int i = 0; i < devices; ++i) text += device;
  return text;
}

// Reading back examines the section lines only: the cost stays the same from 100 to 10,000
// device lines.
void BM_ReadBack(benchmark::State& state) {
  Family family("5", "1", "100000");
  const std::string text = textWithDevices(family, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(generate::ParseFileText(family.w, text));
  state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ReadBack)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// File > Save of a text of 10,000 device lines: the conversion to Mac Roman and the safe write
// (a temporary file beside the target, flushed to disk, renamed over it).
void BM_Save(benchmark::State& state) {
  Family family("5", "1", "100000");
  family.runtime.setApplication(std::make_unique<form::FormApplication>());
  const std::string text = textWithDevices(family, static_cast<int>(state.range(0)));
  family.w.TestEF().setText(text);
  const auto file = std::filesystem::temp_directory_path() / "quillex-bench-save.txt";
  for (auto _ : state) {
    family.backend.dialogAnswers.push_back(fw::FolderItem(file));
    generate::FileSave_Action(family.w);
  }
  std::filesystem::remove(file);
  state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_Save)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
