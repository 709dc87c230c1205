#pragma once

// Conversion between the program's UTF-8 texts and Mac Roman bytes.

#include <string>
#include <string_view>

namespace fw {

struct Conversion {
  bool ok = true;
  std::string bytes;      // the converted text when ok
  std::string offending;  // the first character the target cannot hold, when not ok
  explicit operator bool() const noexcept { return ok; }
};

// UTF-8 to Mac Roman. A character that Mac Roman cannot hold (or bytes that are not UTF-8) make
// the conversion fail and are reported; nothing is ever dropped silently.
Conversion ToMacRoman(std::string_view utf8);

// Mac Roman to UTF-8. Every byte has a character, so this always succeeds.
std::string FromMacRoman(std::string_view bytes);

}  // namespace fw
