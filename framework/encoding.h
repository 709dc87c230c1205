#pragma once

// Conversion between the program's UTF-8 texts and Mac Roman bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace fw {

struct Conversion {
  bool ok = true;
  std::string bytes;       // the converted text when ok
  std::string offending;   // the first character the target cannot hold, when not ok
  size_t offendingAt = 0;  // its byte offset in the text
  explicit operator bool() const noexcept { return ok; }
};

// UTF-8 to Mac Roman. A character that Mac Roman cannot hold (or bytes that are not UTF-8) make
// the conversion fail and are reported; nothing is ever dropped silently.
Conversion ToMacRoman(std::string_view utf8);

// Mac Roman to UTF-8. Every byte has a character, so this always succeeds.
std::string FromMacRoman(std::string_view bytes);

// Whether `bytes` are well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsValidUtf8(std::string_view bytes) noexcept;

// The text of a file's bytes: UTF-8 when they are well-formed UTF-8, else read as Mac Roman,
// the encoding the program writes. The result is always well-formed UTF-8.
std::string DecodeText(std::string_view bytes);

}  // namespace fw
