#include "encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "text.h"

namespace fw {
namespace {

struct IconvCloser {
  void operator()(iconv_t cd) const noexcept { iconv_close(cd); }
};

// Converts all of `input`; on failure returns false and sets `failedAt` to the byte offset in
// `input` where conversion stopped.
bool convert(const char* to, const char* from, std::string_view input, std::string& output,
             size_t& failedAt) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    failedAt = 0;
    return false;
  }
  const std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser> guard(cd);
  output.clear();
  // Converted in pieces: a large text needs no buffer of its own size.
  std::string buffer(std::min<size_t>(input.size() * 4 + 16, 1 << 16), '\0');
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  while (inLeft > 0) {
    char* out = buffer.data();
    size_t outLeft = buffer.size();
    const size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
    output.append(buffer.data(), buffer.size() - outLeft);
    if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
      failedAt = input.size() - inLeft;
      return false;
    }
  }
  return true;
}

}  // namespace

Conversion ToMacRoman(std::string_view utf8) {
  Conversion result;
  size_t failedAt = 0;
  if (convert("MACINTOSH", "UTF-8", utf8, result.bytes, failedAt)) return result;
  result.ok = false;
  result.bytes.clear();
  result.offendingAt = failedAt;
  result.offending = Left(utf8.substr(failedAt), 1);
  return result;
}

std::string FromMacRoman(std::string_view bytes) {
  std::string text;
  size_t failedAt = 0;
  convert("UTF-8", "MACINTOSH", bytes, text, failedAt);
  return text;
}

bool IsValidUtf8(std::string_view bytes) noexcept {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* const end = p + bytes.size();
  while (p < end) {
    const unsigned char lead = *p;
    if (lead < 0x80) {
      ++p;
      continue;
    }
    int length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;   // no overlong forms
      if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
      return false;
    }
    if (end - p < length || p[1] < low || p[1] > high) return false;
    for (int i = 2; i < length; ++i) {
      if (p[i] < 0x80 || p[i] > 0xBF) return false;
    }
    p += length;
  }
  return true;
}

std::string DecodeText(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return FromMacRoman(bytes);
}

}  // namespace fw
