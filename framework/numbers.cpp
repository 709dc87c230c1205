#include "numbers.h"

#include <locale.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace fw {
namespace {

// A C locale of our own, so that reading numbers never depends on the process locale that a
// GUI toolkit may have set from the environment.
locale_t cLocale() noexcept {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

bool isDigit(char c) noexcept { return c >= '0' && c <= '9'; }

}  // namespace

std::string Str(int value) { return std::to_string(value); }
std::string Str(std::int64_t value) { return std::to_string(value); }

std::string Str(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  // A whole number of up to seven digits is written as its digits, as the general form writes
  // it; the integer conversion is much the cheaper.
  if (std::abs(value) < 1e7 && value == std::trunc(value)) {
    return std::to_string(static_cast<std::int32_t>(value));
  }
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 7);
  std::string text(buffer.data(), result.ptr);
  if (text == "-0") text = "0";
  return text;
}

double Val(std::string_view text) noexcept {
  size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  const size_t start = pos;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  size_t digits = 0;
  while (pos < text.size() && isDigit(text[pos])) ++pos, ++digits;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && isDigit(text[pos])) ++pos, ++digits;
  }
  if (digits == 0) return 0.0;
  // An exponent counts only when digits follow it ("2e" reads as 2).
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    size_t exp = pos + 1;
    if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
    if (exp < text.size() && isDigit(text[exp])) {
      while (exp < text.size() && isDigit(text[exp])) ++exp;
      pos = exp;
    }
  }
  const std::string number(text.substr(start, pos - start));
  return strtod_l(number.c_str(), nullptr, cLocale());
}

double CDbl(std::string_view text) noexcept { return Val(text); }

std::int32_t ToInt32(double value) noexcept {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

double Floor(double value) noexcept { return std::floor(value); }
double Ceil(double value) noexcept { return std::ceil(value); }
double Abs(double value) noexcept { return std::fabs(value); }
double Min(double a, double b) noexcept { return a < b ? a : b; }
double Max(double a, double b) noexcept { return a > b ? a : b; }
double Log(double value) noexcept { return std::log(value); }
double Pow(double base, double exponent) noexcept { return std::pow(base, exponent); }

}  // namespace fw
