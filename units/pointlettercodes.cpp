#include "units/pointlettercodes.h"

#include <string_view>

#include "framework/text.h"
#include "units/digits.h"
#include "units/multipliercodes.h"

namespace units {
namespace {

using fw::Mid;

struct PointLetter {
  std::string_view letter;
  double exponent;  // the power of ten of the unit the letter names
};

constexpr PointLetter kMilliM{"M", -3};
constexpr PointLetter kMilliL{"L", -3};
constexpr PointLetter kNano{"N", -3};
constexpr PointLetter kKilo{"K", 3};
constexpr PointLetter kMega{"M", 6};
constexpr PointLetter kGiga{"G", 9};

// The digits ahead of the letter are those of the letter's unit; a value below that unit has
// none and starts with the letter ("K47").
std::string splitFromDigits(const ValueDigits& v, PointLetter p, int fraction, int cut) {
  const double i = v.d - p.exponent + 1;
  const std::string head = Mid(v.s, 1, toInt(i));
  const std::string tail = Mid(v.s, toInt(i + 1), toInt(fraction));
  return fw::Left(head + std::string(p.letter) + tail, cut);
}

// As above, from the digit string behind zeros: a value below a tenth of the letter's unit
// reads zeros after the letter ("M02", "M00").
std::string splitFromPadded(const ValueDigits& v, PointLetter p, int fraction, int cut) {
  const double i = v.d - p.exponent + 1;
  const std::string head = paddedDigits(v, 3, i);
  const std::string tail = paddedDigits(v, i + 3, fraction);
  return fw::Left(head + std::string(p.letter) + tail, cut);
}

std::string resistorStyle(const Value& value, int digits, bool reportTooSmall,
                          PointLetter unitLetter) {
  const auto& v = value.digits;
  if (!v) return {};
  if (v->d <= -2) return reportTooSmall ? "Too Small" : "";
  // With 3 digits a letter keeps one more decade: its four characters still hold all three
  // integer digits ahead of the letter ("470R").
  const double last = digits == 3 ? 2 : 1;
  for (const PointLetter p : {unitLetter, kKilo, kMega, kGiga}) {
    if (v->d <= last + p.exponent) return splitFromDigits(*v, p, 3, plusOne(digits));
  }
  return multiplierCode(*v, digits);
}

}  // namespace

std::string Double2MMKM(const Value& value, int digits, bool reportTooSmall) {
  return resistorStyle(value, digits, reportTooSmall, {"R", 0});
}

std::string Double2MMVM(const Value& value, int digits, bool reportTooSmall) {
  return resistorStyle(value, digits, reportTooSmall, {"V", 0});
}

std::string Double2uHMME(const Value& value, int digits) {
  const auto& v = value.digits;
  if (!v) return {};
  if (inMultiplierRange(*v, digits)) return multiplierCode(*v, digits);
  if ((v->d <= -4 && digits == 2) || (v->d <= -5 && digits == 3)) return kTooSmallMarker;
  if ((v->d <= -2 && digits == 2) || (v->d <= -3 && digits == 3)) {
    return splitFromDigits(*v, kNano, digits, plusOne(digits));
  }
  return rForm(*v, digits, plusOne(digits));
}

std::string Double2MRMMME(const Value& value, int digits) {
  const auto& v = value.digits;
  if (!v) return {};
  if (inMultiplierRange(*v, digits)) return multiplierCode(*v, digits);
  if (v->d >= -1) return rForm(*v, digits, plusOne(digits));
  return splitFromPadded(*v, kMilliM, digits, plusOne(digits));
}

std::string Double2MMLRKM(const Value& value, int digits) {
  const auto& v = value.digits;
  if (!v) return {};
  if (v->d <= -3) return splitFromPadded(*v, kMilliL, digits, plusOne(digits));
  if (v->d <= 2) return rForm(*v, digits, 5);
  for (const PointLetter p : {kKilo, kMega, kGiga}) {
    if (v->d <= p.exponent + 2) return splitFromDigits(*v, p, 3, 5);
  }
  return {};
}

}  // namespace units
