#pragma once

// The value-code formatters that take a value and a digit count, each under one name, so that a
// table row can say which formatter it checks; and unit tables as the unit choices leave them.
// Test code only.

#include <initializer_list>
#include <iterator>
#include <string>

#include "units/multipliercodes.h"
#include "units/pointlettercodes.h"
#include "units/unittable.h"

namespace units_test {

// The text of a code whose value is too small for its digits, where the formatter reports it.
inline constexpr const char* kMarker = "**Too_Small**";

// "NoFlag": the formatter with its too-small report turned off.
enum class Form {
  MMME,
  MMMENoFlag,
  ZeroMMME,
  MrkMMME,
  MMKM,
  MMKMNoFlag,
  MMVM,
  uHMME,
  MRMMME,
  MMLRKM
};

inline constexpr Form kAllForms[] = {Form::MMME,   Form::MMMENoFlag, Form::ZeroMMME, Form::MrkMMME,
                                     Form::MMKM,   Form::MMKMNoFlag, Form::MMVM,     Form::uHMME,
                                     Form::MRMMME, Form::MMLRKM};

// One row of a table of codes: the formatter, its arguments and the code it writes.
struct CodeCase {
  Form form;
  double value;
  int digits;
  const char* code;
};

inline std::string format(Form form, double value, int digits) {
  using Formatter = std::string (*)(double, int);
  // In the order of Form.
  // clang-format off
  static constexpr Formatter kFormatters[] = {
      [](double v, int n) { return units::Double2MMME(v, n, true); },
      [](double v, int n) { return units::Double2MMME(v, n, false); },
      units::Double20MMME, units::Double2mrkMMME,
      [](double v, int n) { return units::Double2MMKM(v, n, true); },
      [](double v, int n) { return units::Double2MMKM(v, n, false); },
      [](double v, int n) { return units::Double2MMVM(v, n, true); },
      units::Double2uHMME, units::Double2MRMMME, units::Double2MMLRKM};
  // clang-format on
  static_assert(std::size(kFormatters) == std::size(kAllForms));
  return kFormatters[static_cast<int>(form)](value, digits);
}

// The unit tables after the unit choices `rows`, made in this order.
inline units::UnitTable tablesAfter(std::initializer_list<int> rows) {
  units::UnitTable t;
  for (int row : rows) units::InstallUnitRow(t, row);
  return t;
}

}  // namespace units_test
