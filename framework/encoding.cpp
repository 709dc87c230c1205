#include "encoding.h"

#include <iconv.h>

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
  std::string buffer(input.size() * 4 + 16, '\0');
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
  result.offending = Left(utf8.substr(failedAt), 1);
  return result;
}

std::string FromMacRoman(std::string_view bytes) {
  std::string text;
  size_t failedAt = 0;
  convert("UTF-8", "MACINTOSH", bytes, text, failedAt);
  return text;
}

}  // namespace fw
