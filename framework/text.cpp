#include "text.h"

#include <algorithm>

#include "utf8.h"

namespace fw {
namespace {

// Length in bytes of the character that starts at text[pos]: a well-formed UTF-8 sequence, or
// one byte for anything else (a stray continuation byte, a truncated sequence, an overlong form,
// a surrogate or a value past U+10FFFF), so such bytes count one character each.
size_t charLength(std::string_view text, size_t pos) noexcept {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const int length = decodeAt(p + pos, p + text.size()).length;
  return length > 0 ? static_cast<size_t>(length) : 1;
}

// Byte offset of the character with 0-based number `chars`, or text.size() past the end.
size_t byteOffset(std::string_view text, int chars) noexcept {
  size_t pos = 0;
  for (int i = 0; i < chars && pos < text.size(); ++i) pos += charLength(text, pos);
  return pos;
}

}  // namespace

int Len(std::string_view text) noexcept {
  int count = 0;
  for (size_t pos = 0; pos < text.size(); pos += charLength(text, pos)) ++count;
  return count;
}

int LenB(std::string_view text) noexcept { return static_cast<int>(text.size()); }

std::string Left(std::string_view text, int count) {
  if (count <= 0) return {};
  return std::string(text.substr(0, byteOffset(text, count)));
}

std::string Right(std::string_view text, int count) {
  if (count <= 0) return {};
  const int length = Len(text);
  if (count >= length) return std::string(text);
  return std::string(text.substr(byteOffset(text, length - count)));
}

std::string Mid(std::string_view text, int start) {
  const size_t from = byteOffset(text, std::max(start, 1) - 1);
  return std::string(text.substr(from));
}

std::string Mid(std::string_view text, int start, int count) {
  if (count <= 0) return {};
  const size_t from = byteOffset(text, std::max(start, 1) - 1);
  const std::string_view rest = text.substr(from);
  return std::string(rest.substr(0, byteOffset(rest, count)));
}

std::string Uppercase(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

std::string ChrB(int code) { return std::string(1, static_cast<char>(code & 0xFF)); }

Array<std::string> SplitB(std::string_view text, std::string_view delimiter) {
  Array<std::string> pieces(-1);
  if (delimiter.empty()) {
    pieces.Append(std::string(text));
    return pieces;
  }
  size_t from = 0;
  for (size_t at = text.find(delimiter); at != std::string_view::npos;
       at = text.find(delimiter, from)) {
    pieces.Append(std::string(text.substr(from, at - from)));
    from = at + delimiter.size();
  }
  pieces.Append(std::string(text.substr(from)));
  return pieces;
}

std::string Join(const Array<std::string>& items, std::string_view separator) {
  size_t total = 0;
  for (const auto& item : items) total += item.size() + separator.size();
  std::string result;
  result.reserve(total);
  bool first = true;
  for (const auto& item : items) {
    if (!first) result += separator;
    result += item;
    first = false;
  }
  return result;
}

}  // namespace fw
