#pragma once

// The Go runs that the Go benchmarks measure, alike on every backend: five decades of E192, and
// a run of the largest text Go writes, both started as a click on the Go button of the main
// window.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app.h"
#include "form/window1.h"
#include "framework/numbers.h"
#include "framework/runtime.h"
#include "generate/go.h"

namespace gorun {

// E192 from 1 to 100000 ohm: 961 devices, 141 KB of text.
constexpr int kDevices = 961;
// The largest text Go writes.
constexpr std::size_t kLargestText = generate::kMaxTextBytes;

inline form::Window1& longE192Family() {
  form::Window1& w = form::Window1::Instance();
  w.ValueSuffixPU().setListIndex(1);
  w.SeriesPU().setListIndex(5);
  w.StartEF().setText("1");
  w.StopEF().setText("100000");
  w.RefDesPreCB().setText("R");
  return w;
}

// A change of the library-name suffix, which every device line carries: it empties the output,
// so that each run shows a new text.
inline void editForm(form::Window1& w) {
  w.LibSufEF().setText(w.LibSufEF().Text().empty() ? "-" : "");
}

inline void reportDevices(benchmark::State& state, std::int64_t devices) {
  state.counters["devices"] = static_cast<double>(devices);
  state.counters["per_device"] =
      benchmark::Counter(static_cast<double>(state.iterations() * devices),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Makes Go write the largest text: the device lines of `w`'s family over and over, up to
// kLargestText bytes, given to the output field as Go gives its text (at progress refreshes of
// growing intervals, a yield per device, the whole text at the end). Returns the number of
// lines of the text.
inline std::int64_t goWritesTheLargestText(form::Window1& w) {
  auto& go = quillex::App::Instance().Commands.go;
  go(w);
  std::vector<std::string> lines;
  const std::string& family = w.TestEF().Text();
  for (std::size_t from = 0; from < family.size();) {
    const std::size_t end = family.find('\n', from) + 1;
    lines.push_back(family.substr(from, end - from));
    from = end;
  }
  std::int64_t count = 0;
  for (std::size_t size = 0; size < kLargestText; ++count)
    size += lines[count % lines.size()].size();
  go = [lines = std::move(lines), count](form::Window1& window) {
    std::string text;
    window.TestEF().setText("");
    std::int32_t interval = 20, countdown = 2;
    for (std::int64_t line = 0; line < count; ++line) {
      text += lines[line % lines.size()];
      if (countdown <= 0) {
        window.TestEF().setText(text);
        window.CurrentValueST().setText("Last device generated so far:" + fw::Str(line));
        window.CurrentValueST().Refresh();
        interval = fw::ToInt32(interval * 1.2);
        countdown = interval;
      }
      --countdown;
      fw::Yield();
    }
    window.CurrentValueST().setText("Last device generated:" + fw::Str(count));
    window.CurrentValueST().Refresh();
    window.TestEF().setText(std::move(text));
  };
  return count;
}

}  // namespace gorun
