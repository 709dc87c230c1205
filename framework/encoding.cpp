#include "encoding.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <utility>

#include "utf8.h"

namespace fw {
namespace {

// The 256 characters of Mac Roman, as the system's converter defines them, both ways. Only these
// round-trip mappings count: the converter also takes a few characters to nothing (the Unicode
// tag characters), which would drop them from a saved text without a word.
class MacRomanTable {
 public:
  // A byte's character as UTF-8, in four bytes of a fixed place (a character has at most four),
  // so that a long text is written four bytes at a time.
  struct Character {
    std::array<char, 4> utf8{};
    size_t length = 0;
  };

  MacRomanTable() {
    iconv_t cd = iconv_open("UTF-8", "MACINTOSH");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error("The system has no Mac Roman converter");
    }
    const std::unique_ptr<std::remove_pointer_t<iconv_t>, int (*)(iconv_t)> guard(cd, iconv_close);
    size_t high = 0;
    for (int byte = 0; byte < 256; ++byte) {
      char in = static_cast<char>(byte);
      char* inPtr = &in;
      size_t inLeft = 1;
      std::array<char, 8> out{};
      char* outPtr = out.data();
      size_t outLeft = out.size();
      iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
      const std::string_view utf8(out.data(), out.size() - outLeft);
      const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
      const Utf8Char c = utf8.empty() ? Utf8Char{} : decodeAt(p, p + utf8.size());
      if (inLeft != 0 || c.length == 0 || static_cast<size_t>(c.length) != utf8.size()) {
        throw std::runtime_error("The system's Mac Roman converter is incomplete");
      }
      std::copy(utf8.begin(), utf8.end(), characters_[byte].utf8.begin());
      characters_[byte].length = utf8.size();
      if (byte >= 0x80) byteOf_[high++] = {c.code, static_cast<unsigned char>(byte)};
      if (byte < 0x80 && c.code != static_cast<char32_t>(byte)) {
        throw std::runtime_error("The system's Mac Roman converter is not ASCII below 128");
      }
    }
    std::sort(byteOf_.begin(), byteOf_.end());
  }

  const Character& character(unsigned char byte) const noexcept { return characters_[byte]; }

  // The Mac Roman byte of `code`, or -1 when Mac Roman has no such character.
  int byteOf(char32_t code) const noexcept {
    if (code < 0x80) return static_cast<int>(code);
    const auto* at = std::lower_bound(byteOf_.begin(), byteOf_.end(),
                                      std::pair<char32_t, unsigned char>{code, 0});
    return at != byteOf_.end() && at->first == code ? at->second : -1;
  }

 private:
  std::array<Character, 256> characters_;
  std::array<std::pair<char32_t, unsigned char>, 128> byteOf_{};
};

const MacRomanTable& macRoman() {
  static const MacRomanTable table;
  return table;
}

// Apple's own table gives two bytes other characters than the system's converter does: C6 is
// the increment sign "∆" (the system's: the Greek capital delta) and F0 the Apple logo (the
// system's: a character of the private use area). A text typed on a Mac holds Apple's, so a save
// writes either for these bytes; reading them back gives the system's.
constexpr std::array<std::pair<char32_t, unsigned char>, 2> kApplesCharacters{
    {{U'\u2206', 0xC6}, {U'\uF8FF', 0xF0}}};

// Which characters count as Mac Roman: those that read back as they are, or also Apple's own,
// which a save writes.
enum class Characters { RoundTrip, Written };

// The Mac Roman byte of `code`, or -1 when Mac Roman has no such character among `which`.
template <Characters which>
int byteOf(const MacRomanTable& table, char32_t code) noexcept {
  const int byte = table.byteOf(code);
  if (which == Characters::RoundTrip || byte >= 0) return byte;
  for (const auto& [apples, itsByte] : kApplesCharacters) {
    if (code == apples) return itsByte;
  }
  return -1;
}

// Walks `utf8` once, handing each character to `visit(at, character, byte)`, where byte is its
// Mac Roman byte among `which` or -1 (also for bytes that are not UTF-8, which then count as one
// character each). Stops early when `visit` returns false.
template <Characters which = Characters::RoundTrip, typename Visit>
void forEachCharacter(std::string_view utf8, Visit visit) {
  const MacRomanTable& table = macRoman();
  const auto* const begin = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto* const end = begin + utf8.size();
  for (const unsigned char* p = begin; p < end;) {
    const Utf8Char c = decodeAt(p, end);
    const int length = std::max(c.length, 1);
    const int byte = c.length == 0 ? -1 : byteOf<which>(table, c.code);
    if (!visit(static_cast<size_t>(p - begin), static_cast<size_t>(length), byte)) return;
    p += length;
  }
}

}  // namespace

Conversion ToMacRoman(std::string_view utf8) {
  Conversion result;
  result.bytes.reserve(utf8.size());
  forEachCharacter<Characters::Written>(utf8, [&](size_t at, size_t length, int byte) {
    if (byte >= 0) {
      result.bytes.push_back(static_cast<char>(byte));
      return true;
    }
    result.ok = false;
    result.offendingAt = at;
    result.offending = std::string(utf8.substr(at, length));
    return false;
  });
  if (!result.ok) result.bytes.clear();
  return result;
}

std::vector<std::string> CharactersWithoutMacRoman(std::string_view utf8, size_t most) {
  std::vector<std::string> found;
  if (most == 0) return found;
  forEachCharacter<Characters::Written>(utf8, [&](size_t at, size_t length, int byte) {
    if (byte >= 0) return true;
    const std::string_view character = utf8.substr(at, length);
    if (std::find(found.begin(), found.end(), character) == found.end()) {
      found.emplace_back(character);
    }
    return found.size() < most;
  });
  return found;
}

std::string FromMacRoman(std::string_view bytes) {
  const MacRomanTable& table = macRoman();
  size_t size = 0;
  for (const char byte : bytes) size += table.character(static_cast<unsigned char>(byte)).length;
  // Each character is written as its four bytes: the last may write up to three past the text's
  // end, which the resize drops.
  std::string text(size + 3, '\0');
  char* out = text.data();
  for (const char byte : bytes) {
    const MacRomanTable::Character& character = table.character(static_cast<unsigned char>(byte));
    std::memcpy(out, character.utf8.data(), character.utf8.size());
    out += character.length;
  }
  text.resize(size);
  return text;
}

bool IsValidUtf8(std::string_view bytes) noexcept {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* const end = p + bytes.size();
  while (p < end) {
    const Utf8Char c = decodeAt(p, end);
    if (c.length == 0) return false;
    p += c.length;
  }
  return true;
}

bool IsMacRomanText(std::string_view utf8) {
  bool holds = true;
  forEachCharacter(utf8, [&](size_t, size_t, int byte) { return holds = byte >= 0; });
  return holds;
}

std::string DecodeText(std::string bytes) {
  if (EncodingOf(bytes) == Encoding::Utf8) return bytes;
  return FromMacRoman(bytes);
}

Encoding EncodingOf(std::string_view bytes) {
  return IsMacRomanText(bytes) ? Encoding::Utf8 : Encoding::MacRoman;
}

std::string Decode(std::string_view bytes, Encoding encoding) {
  return encoding == Encoding::Utf8 ? std::string(bytes) : FromMacRoman(bytes);
}

}  // namespace fw
