// Opening a document of the largest size File > Open accepts, in the shapes that cost it the
// most: the time of one open, and the memory it needs at its peak per byte of the file.
//
// The memory is counted by this program's own operator new and delete, through which every
// std::string and container of the program allocates: the most bytes held at once during the
// open, less those held before it, divided by the file's size. Each allocation counts at the size
// the allocator gave it, whether or not all of it was written, and whatever the allocator keeps
// in reserve afterwards. The process's peak resident size (getrusage's ru_maxrss) would not do:
// it only ever grows over the life of the process, so only the first shape opened would show,
// and memory the allocator keeps from one open would hide what the next one needs.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <string>

#include "form/staticattr.h"
#include "form/window1.h"
#include "framework/headlessbackend.h"
#include "framework/runtime.h"
#include "generate/filecommands.h"
#include "generate/go.h"

namespace {

// Bytes allocated now, and the most allocated at once since the last reset. The benchmarks run
// on one thread.
std::size_t held = 0;
std::size_t peak = 0;

}  // namespace

void* operator new(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  held += malloc_usable_size(block);
  peak = std::max(peak, held);
  return block;
}

void operator delete(void* block) noexcept {
  if (block == nullptr) return;
  held -= malloc_usable_size(block);
  std::free(block);
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

namespace {

constexpr auto kFileBytes = static_cast<std::size_t>(generate::kMaxTextBytes);

// A file of exactly kFileBytes bytes: `head`, then `fill` to the size, then `tail`.
std::filesystem::path fileOf(const std::string& head, char fill, const std::string& tail) {
  const auto path = std::filesystem::temp_directory_path() / "quillex-bench-open.txt";
  std::ofstream(path, std::ios::binary)
      << head + std::string(kFileBytes - head.size() - tail.size(), fill) + tail;
  return path;
}

void open(benchmark::State& state, const std::string& head, char fill, const std::string& tail) {
  fw::HeadlessBackend backend;
  fw::Runtime runtime(backend);
  runtime.setApplication(std::make_unique<form::FormApplication>());
  const std::filesystem::path file = fileOf(head, fill, tail);
  std::size_t most = 0;
  for (auto _ : state) {
    // Each open meets a fresh form.
    state.PauseTiming();
    form::Window1::Instance().Close();
    if (fw::Window* statics = runtime.findWindow(typeid(form::StaticAttr))) statics->Close();
    form::Window1::Instance();
    backend.messages.clear();
    const std::size_t before = held;
    peak = held;
    state.ResumeTiming();
    generate::OpenDocument(fw::FolderItem(file));
    most = std::max(most, peak - before);
  }
  std::filesystem::remove(file);
  state.counters["peak_per_byte"] = static_cast<double>(most) / static_cast<double>(kFileBytes);
}

// One section line of nothing but TABs.
void BM_OpenAllTabs(benchmark::State& state) { open(state, "*_Param_A", '\t', "\n\n"); }
BENCHMARK(BM_OpenAllTabs)->Unit(benchmark::kMillisecond);

// Nothing but line ends: an empty first line, and no form.
void BM_OpenAllCRs(benchmark::State& state) { open(state, "", '\r', ""); }
BENCHMARK(BM_OpenAllCRs)->Unit(benchmark::kMillisecond);

void BM_OpenAllLFs(benchmark::State& state) { open(state, "", '\n', ""); }
BENCHMARK(BM_OpenAllLFs)->Unit(benchmark::kMillisecond);

// One field of the whole file, the first source's manufacturer: a combo box keeps its text and
// the text of its last change, and the device-line template a third copy.
void BM_OpenOneHugeField(benchmark::State& state) {
  open(state, "*_Source_1\t", 'x', "\t\t\t\t\t\n\n");
}
BENCHMARK(BM_OpenOneHugeField)->Unit(benchmark::kMillisecond);

// A form, then bytes that are not UTF-8, each of which Mac Roman reads as a character of three
// UTF-8 bytes ("™"): the text is three times the file.
void BM_OpenMacRomanHighBytes(benchmark::State& state) {
  open(state, "*_Param_A\t1\t1\t10\t20\tLP\tLS\tFalse\t\t 1%\tR\tFormat 1.02\t1\n", '\xAA', "\n");
}
BENCHMARK(BM_OpenMacRomanHighBytes)->Unit(benchmark::kMillisecond);

}  // namespace
