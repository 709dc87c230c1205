#pragma once

// Decoding one UTF-8 character, shared by the text functions and the encodings, so that both
// agree on which bytes form a character.

namespace fw {

// One well-formed UTF-8 character: its code point and its length in bytes (0 when the bytes at
// `p` are not well-formed UTF-8: a stray continuation byte, a truncated sequence, an overlong
// form, a surrogate or a value past U+10FFFF).
struct Utf8Char {
  char32_t code = 0;
  int length = 0;
};

inline Utf8Char decodeAt(const unsigned char* p, const unsigned char* end) noexcept {
  const unsigned char lead = *p;
  if (lead < 0x80) return {lead, 1};
  int length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  char32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return {};
  }
  if (end - p < length || p[1] < low || p[1] > high) return {};
  for (int i = 1; i < length; ++i) {
    if (p[i] < 0x80 || p[i] > 0xBF) return {};
    code = (code << 6) | (p[i] & 0x3F);
  }
  return {code, length};
}

}  // namespace fw
