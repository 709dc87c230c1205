#pragma once

// Readers of value codes, written from the public rules of the codes (IEC 60062 letter and
// digit codes, SPICE scale factors) so that tests can check what a formatter wrote without
// restating how it writes it. Test code only.

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace units_test {

// A value read from a code, and the step of its last digit: the code stands for every value
// from `value` up to (not including) `value + step`, since codes cut digits and never round.
struct Reading {
  double value = 0;
  double step = 0;
};

// IEC 60062: a letter in place of the decimal point names the power of ten of the unit ahead
// of it ("4K7" = 4.7 x 10^3, "R47" = 0.47, "M02" with a milli M = 0.02 x 10^-3); a code of
// digits only is `significant` digits followed by the count of zeros ("472" = 4700). `letters`
// maps each letter the code may use to its power of ten.
inline std::optional<Reading> readLetterCode(std::string_view code,
                                             const std::map<char, int>& letters, int significant) {
  const auto letterAt = code.find_first_not_of("0123456789");
  if (letterAt == std::string_view::npos) {
    if (code.size() <= static_cast<size_t>(significant)) return std::nullopt;
    const double digits = std::stod(std::string(code.substr(0, significant)));
    const int zeros = std::stoi(std::string(code.substr(significant)));
    return Reading{digits * std::pow(10.0, zeros), std::pow(10.0, zeros)};
  }
  const auto letter = letters.find(code[letterAt]);
  const std::string_view fraction = code.substr(letterAt + 1);
  if (letter == letters.end() || fraction.find_first_not_of("0123456789") != fraction.npos) {
    return std::nullopt;
  }
  const std::string number = std::string(code.substr(0, letterAt)) + "." + std::string(fraction);
  const double scale = std::pow(10.0, letter->second);
  return Reading{std::strtod(number.c_str(), nullptr) * scale,
                 scale * std::pow(10.0, -static_cast<double>(fraction.size()))};
}

// A SPICE number: the number, then an optional scale factor read case-insensitively ("T", "G",
// "Meg", "K", "M" = milli, "U", "N", "P", "F"); letters after it are ignored.
inline std::optional<double> readSpiceNumber(const std::string& text) {
  char* end = nullptr;
  const double number = std::strtod(text.c_str(), &end);
  if (end == text.c_str()) return std::nullopt;
  std::string rest(end);
  for (char& c : rest) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (rest.rfind("meg", 0) == 0) return number * 1e6;
  static const std::map<char, double> kScales = {{'t', 1e12},  {'g', 1e9},  {'k', 1e3},
                                                 {'m', 1e-3},  {'u', 1e-6}, {'n', 1e-9},
                                                 {'p', 1e-12}, {'f', 1e-15}};
  if (rest.empty()) return number;
  const auto scale = kScales.find(rest[0]);
  return scale == kScales.end() ? number : number * scale->second;
}

}  // namespace units_test
