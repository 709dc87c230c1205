#include "units/multipliercodes.h"

#include "framework/numbers.h"
#include "framework/text.h"
#include "units/unittable.h"

namespace units {

using fw::Log;

bool inMultiplierRange(const ValueDigits& v, int digits) {
  return (v.d > 0 && digits == 2) || (v.d > 1 && digits == 3);
}

std::string multiplierCode(const ValueDigits& v, int digits) {
  return fw::Left(v.s, digits) + fw::Str(v.d - digits + 1);
}

std::string Double2MMME(const Value& value, int digits, bool reportTooSmall) {
  const auto& v = value.digits;
  if (!v) return {};
  if (inMultiplierRange(*v, digits)) return multiplierCode(*v, digits);
  if ((v->d <= -4 && digits == 3) || (v->d <= -3 && digits == 2)) {
    return reportTooSmall ? kTooSmallMarker : "";
  }
  return rForm(*v, digits, plusOne(digits));
}

std::string Double20MMME(const Value& value, int digits) {
  const auto& v = value.digits;
  if (!v) return {};
  if (inMultiplierRange(*v, digits)) return multiplierCode(*v, digits);
  if ((v->d <= -3 && digits == 3) || (v->d <= -2 && digits == 2)) return kTooSmallMarker;
  return leadingZeroRForm(*v, digits, plusOne(digits));
}

std::string Double2mrkMMME(const Value& value, int digits) {
  const auto& v = value.digits;
  if (!v) return {};
  if (v->d < 0) return kTooSmallMarker;
  if (inMultiplierRange(*v, digits)) return multiplierCode(*v, digits);
  return leadingZeroRForm(*v, digits, plusOne(digits));
}

std::string Double2Mrk0603Code(const Value& value) {
  const auto& v = value.digits;
  if (!v) return {};
  const double p = v->d + 1;
  if (p <= 0 || p > 8) return {};
  // The E96 values are 10^(i / 96) rounded to three digits, so the position follows from the
  // logarithm of the value scaled to 10..100; a power of ten (scaled to 100) counts as 97, the
  // first position of the next decade.
  const double x = value.number * fw::Pow(10, fw::Floor(Log(1 / value.number) / Log(10) + 2));
  int index = fw::ToInt32(fw::Floor(Log(x) / Log(10) * 95.962 - 94.932 + 0.5));
  if (index == 97) index = 1;
  return fw::Right("0" + fw::Str(index), 2) + fw::Mid(EIA0603codes, toInt(p), 1);
}

std::string IndexPartNumber1(std::int64_t number) { return fw::Str(number); }
std::string IndexPartNumber01(std::int64_t number) { return fw::Right("00" + fw::Str(number), 2); }
std::string IndexPartNumber001(std::int64_t number) {
  return fw::Right("000" + fw::Str(number), 3);
}
std::string IndexPartNumber0001(std::int64_t number) {
  return fw::Right("0000" + fw::Str(number), 4);
}

}  // namespace units
