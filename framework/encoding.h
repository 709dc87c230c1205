#pragma once

// Conversion between the program's UTF-8 texts and Mac Roman bytes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

struct Conversion {
  bool ok = true;
  std::string bytes;       // the converted text when ok
  std::string offending;   // the first character the target cannot hold, when not ok
  size_t offendingAt = 0;  // its byte offset in the text
  explicit operator bool() const noexcept { return ok; }
};

// UTF-8 to Mac Roman. A character that Mac Roman cannot hold (or bytes that are not UTF-8) make
// the conversion fail and are reported; nothing is ever dropped silently. Bytes C6 and F0 are
// written for Apple's characters ("∆" U+2206, the Apple logo U+F8FF) as for the system's, which
// FromMacRoman gives.
Conversion ToMacRoman(std::string_view utf8);

// The first `most` distinct characters of `utf8` that ToMacRoman cannot write, in the order they
// first occur (a byte that is not UTF-8 counts as a character of its own); found in one pass.
std::vector<std::string> CharactersWithoutMacRoman(std::string_view utf8, size_t most);

// Mac Roman to UTF-8. Every byte has a character, so this always succeeds.
std::string FromMacRoman(std::string_view bytes);

// Whether `bytes` are well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsValidUtf8(std::string_view bytes) noexcept;

// Whether `utf8` is well-formed UTF-8 of characters that Mac Roman can all hold: a text the
// program itself could have saved.
bool IsMacRomanText(std::string_view utf8);

// The text of a file's bytes: the bytes themselves when they are well-formed UTF-8 holding only
// characters Mac Roman can hold, else the bytes read as Mac Roman, the encoding the program
// writes. Read so, every text the program saves comes back as it was saved, whatever UTF-8 its
// Mac Roman bytes happen to look like, while a UTF-8 file from another editor holding µ, Ω, °, ±,
// é or ’ still reads as UTF-8. The one ambiguity left: Mac Roman bytes whose UTF-8 reading is
// itself a character of Mac Roman. Of the 1,920 two-byte Mac Roman pairs that are well-formed
// UTF-8, 96 are such, "¬©" (C2 A9) read as "©" for one (95 in Apple's table; the system's takes
// byte C6 for the Greek capital delta "Δ", which makes "Œî" (CE 94) one more). The result is
// always well-formed UTF-8.
std::string DecodeText(std::string bytes);

// The two ways DecodeText reads a file's bytes.
enum class Encoding { Utf8, MacRoman };

// The encoding DecodeText reads `bytes` in. Both agree on every byte below 128, so a text can be
// cut at its TABs and line ends before it is decoded, and each piece decoded on its own in the
// encoding of the whole.
Encoding EncodingOf(std::string_view bytes);

// `bytes` read in `encoding`: a copy of them for UTF-8.
std::string Decode(std::string_view bytes, Encoding encoding);

}  // namespace fw
