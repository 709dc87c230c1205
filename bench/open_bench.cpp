// Opening a document of the largest size File > Open accepts, in the shapes that cost it the
// most: the time of one open, and the memory it needs at its peak per byte of the file.
//
// The memory is counted by this program's own operator new and delete, through which every
// std::string and container of the program allocates: the most bytes held at once during the
// open, less those held before it, divided by the file's size. Each allocation counts at the size
// the allocator gave it, whether or not all of it was written, and whatever the allocator keeps
// in reserve afterwards. The process's peak resident size (getrusage's ru_maxrss) only ever grows
// over the life of a process, so a shape measured by it opens its file in a child process of its
// own, a fresh copy of this one that does nothing else: its peak resident size is what the
// whole program needed at most, the C library and the pages it touched included.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <optional>
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

// A fresh form, as each open meets one.
void freshForm(fw::Runtime& runtime) {
  form::Window1::Instance().Close();
  if (fw::Window* statics = runtime.findWindow(typeid(form::StaticAttr))) statics->Close();
  form::Window1::Instance();
}

void open(benchmark::State& state, const std::string& head, char fill, const std::string& tail) {
  fw::HeadlessBackend backend;
  fw::Runtime runtime(backend);
  runtime.setApplication(std::make_unique<form::FormApplication>());
  const std::filesystem::path file = fileOf(head, fill, tail);
  std::size_t most = 0;
  for (auto _ : state) {
    state.PauseTiming();
    freshForm(runtime);
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

// One field of the whole file, the first source's manufacturer: the combo box holds its text and
// the device-line template a copy, once the file's bytes are let go.
void BM_OpenOneHugeField(benchmark::State& state) {
  open(state, "*_Source_1\t", 'x', "\t\t\t\t\t\n\n");
}
BENCHMARK(BM_OpenOneHugeField)->Unit(benchmark::kMillisecond);

// A form, then bytes that are not UTF-8, each of which Mac Roman reads as a character of three
// UTF-8 bytes ("™"): only the fields of the section lines are decoded, so the rest costs no more
// than the file's own bytes.
void BM_OpenMacRomanHighBytes(benchmark::State& state) {
  open(state, "*_Param_A\t1\t1\t10\t20\tLP\tLS\tFalse\t\t 1%\tR\tFormat 1.02\t1\n", '\xAA', "\n");
}
BENCHMARK(BM_OpenMacRomanHighBytes)->Unit(benchmark::kMillisecond);

// What one open in a child process cost: its time, and the child's peak resident size.
struct ChildOpen {
  double seconds = 0;
  double peakBytes = 0;
};

// Opens `file` in a child process into a fresh form and checks that the first source's
// manufacturer came to hold `manufacturerBytes` bytes; nothing when the child failed.
std::optional<ChildOpen> openInChild(const std::filesystem::path& file, size_t manufacturerBytes) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    ::close(pipeEnds[0]);
    fw::HeadlessBackend backend;
    fw::Runtime runtime(backend);
    runtime.setApplication(std::make_unique<form::FormApplication>());
    freshForm(runtime);
    const auto start = std::chrono::steady_clock::now();
    generate::OpenDocument(fw::FolderItem(file));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const bool read = backend.messages.empty() &&
                      form::Window1::Instance().ManufCB(0).Text().size() == manufacturerBytes;
    const double seconds = took.count();
    const bool told = ::write(pipeEnds[1], &seconds, sizeof seconds) == sizeof seconds;
    ::_exit(read && told ? 0 : 1);
  }
  ::close(pipeEnds[1]);
  ChildOpen result;
  const bool heard = ::read(pipeEnds[0], &result.seconds, sizeof result.seconds) ==
                     static_cast<ssize_t>(sizeof result.seconds);
  ::close(pipeEnds[0]);
  int status = 0;
  rusage usage{};
  if (::wait4(child, &status, 0, &usage) != child || !heard || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return std::nullopt;
  }
  result.peakBytes = static_cast<double>(usage.ru_maxrss) * 1024;  // ru_maxrss counts KiB
  return result;
}

// One field of the whole file, the first source's manufacturer, of bytes `fill` that are not
// UTF-8, each of which Mac Roman reads as a character of `width` UTF-8 bytes, so that the field's
// text is `width` times the file: the combo box holds it and the device-line template a copy.
// Measured as the peak resident size of a process that opens it once.
void openHighField(benchmark::State& state, char fill, size_t width) {
  const std::string head = "*_Source_1\t";
  const std::string tail = "\t\t\t\t\t\n\n";
  const std::filesystem::path file = fileOf(head, fill, tail);
  const size_t fieldBytes = width * (kFileBytes - head.size() - tail.size());
  double most = 0;
  for (auto _ : state) {
    const std::optional<ChildOpen> opened = openInChild(file, fieldBytes);
    if (!opened) {
      state.SkipWithError("the child process did not open the file");
      break;
    }
    state.SetIterationTime(opened->seconds);
    most = std::max(most, opened->peakBytes);
  }
  std::filesystem::remove(file);
  state.counters["peak_rss_per_byte"] = most / static_cast<double>(kFileBytes);
}

// Byte F0, which the system's table reads as a private character of three UTF-8 bytes (U+E01E).
void BM_OpenMacRomanHighField(benchmark::State& state) { openHighField(state, '\xF0', 3); }
BENCHMARK(BM_OpenMacRomanHighField)->UseManualTime()->Unit(benchmark::kMillisecond);

// Byte 80, "Ä" (U+00C4), two UTF-8 bytes.
void BM_OpenMacRomanTwoByteField(benchmark::State& state) { openHighField(state, '\x80', 2); }
BENCHMARK(BM_OpenMacRomanTwoByteField)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
