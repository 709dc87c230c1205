#include "generate/textsize.h"

#include <array>
#include <cstdio>

namespace generate {

std::string SizeText(std::uint64_t bytes) {
  constexpr std::uint64_t kStep = 1000;
  if (bytes < kStep) return std::to_string(bytes) + " bytes";
  static constexpr std::array<const char*, 5> kUnits = {"kB", "MB", "GB", "TB", "PB"};
  double size = static_cast<double>(bytes) / kStep;
  size_t unit = 0;
  while (size >= kStep && unit + 1 < kUnits.size()) {
    size /= kStep;
    ++unit;
  }
  // One decimal below 10, where it tells: 1.7 GB, but 64 MB and 141 kB.
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), size < 10 ? "%.1f %s" : "%.0f %s", size, kUnits[unit]);
  return text.data();
}

}  // namespace generate
