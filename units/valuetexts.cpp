#include "units/valuetexts.h"

#include "framework/numbers.h"
#include "framework/text.h"
#include "units/digits.h"

namespace units {
namespace {

using fw::Left;
using fw::Mid;

// Values below 1 carry no prefix: "0." and as many zeros as the decade needs go ahead of the
// digits.
std::string belowOne(const ValueDigits& v, int digits) {
  return Left(Zeros, toInt(fw::Abs(v.d) + 1)) + Left(v.s, digits);
}

// Up to two zeros of the fraction go, and the point only once a zero went: "1.00" gives "1"
// but "1.000" gives "1.0", and "1.5" stays.
void trimTrailingZeros(std::string& text) {
  if (text.empty() || text.back() != '0') return;
  text.pop_back();
  if (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
}

// The letter at 1-based `position` of Letters; none outside it, at either end, so the smallest
// exponents do not share the letter of -26.
std::string letterAt(double position) {
  return position >= 1 ? Mid(Letters, toInt(position), 1) : std::string();
}

// The digits of decade exponent d >= 0 split around the point: `integerDigits` ahead of it and
// up to `fractionDigits` behind it (no point when there are none). Integer digits past the end of
// the digit string are zeros, as positions before it are for values below 1: 110000 V needs six
// integer digits and is written "110000", not the five of "11000".
std::string splitAtPoint(const std::string& s, double integerDigits, double fractionDigits) {
  std::string text = Left(s, toInt(integerDigits));
  const int missingZeros = toInt(integerDigits) - fw::Len(text);
  if (missingZeros > 0) text.append(static_cast<size_t>(missingZeros), '0');
  if (fractionDigits >= 1) text += "." + Mid(s, toInt(integerDigits + 1), toInt(fractionDigits));
  return text;
}

}  // namespace

std::string Double2HumanValue(const Value& value, int digits, bool withUnits,
                              const UnitTable& units) {
  const auto& v = value.digits;
  if (!v) return {};
  std::string text;
  if (v->d < 0) {
    text = belowOne(*v, digits);
  } else {
    const double i = v->d - units.DecadeDelta[toInt(v->d)] + 1;
    text = splitAtPoint(v->s, i, digits - i);
  }
  text += units.SuffixTxt[suffixIndex(v->d, 1)];
  if (withUnits) text += units.UnitsSuffix;
  return text;
}

std::string Double2stackpole(const Value& value, int digits, const UnitTable& units) {
  const auto& v = value.digits;
  if (!v) return {};
  std::string text;
  if (v->d < 0) {
    text = belowOne(*v, digits);
    trimTrailingZeros(text);
  } else {
    const double i = v->d - units.DecadeDelta[toInt(v->d)] + 1;
    text = splitAtPoint(v->s, i, digits - i);
    // A text without a point keeps its zeros: they are integer digits.
    if (digits - i >= 1) trimTrailingZeros(text);
  }
  return fw::Uppercase(text + units.RealSuffixTxt[suffixIndex(v->d, 4)]);
}

std::string Double2spice(const Value& value, const UnitTable& units) {
  ValueDigits v;
  if (value.number == 0) {
    v = {"000000000", decadeExponent(value.number)};
  } else if (value.digits) {
    v = *value.digits;
  } else {
    return {};
  }
  std::string text;
  if (v.d < 0) {
    text = belowOne(v, 3);
  } else {
    const double a = units.SpiceDecadeDelta[toInt(v.d)];
    text = splitAtPoint(v.s, v.d - a + 1, a + 2 - v.d);
  }
  return text + units.SpiceSuffixTxt[suffixIndex(v.d, 1)];
}

std::string Double2EMMM(const Value& value, int digits) {
  const auto& v = value.digits;
  if (!v) return {};
  const double e = v->d - digits + 1;
  std::string exponent;
  if (e < 0) {
    exponent = "-" + letterAt(e + 27);
  } else if (e < 10) {
    exponent = fw::Str(e);
  } else {
    exponent = letterAt(e - 9);
  }
  return exponent + Left(v->s, digits);
}

}  // namespace units
