#pragma once

// How long an attribute-value text may be. Go refuses a run whose text would be longer, so the
// program never builds a text it cannot hold or show; File > Open refuses a larger file, since no
// run wrote it.

#include <cstdint>
#include <string>

namespace generate {

// Far above any ordinary run: the widest one a unit allows writes well under a megabyte.
inline constexpr std::uint64_t kMaxTextBytes = 64'000'000;

// A size for a message: "850 bytes", "141 kB", "1.7 GB" (powers of 1000).
std::string SizeText(std::uint64_t bytes);

}  // namespace generate
