#pragma once

// The value-code formatters that take a value and a digit count, each under one name, so that a
// table row can say which formatter it checks; and unit tables as the unit choices leave them.
// Test code only.

#include <initializer_list>
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
  switch (form) {
    case Form::MMME:
      return units::Double2MMME(value, digits, true);
    case Form::MMMENoFlag:
      return units::Double2MMME(value, digits, false);
    case Form::ZeroMMME:
      return units::Double20MMME(value, digits);
    case Form::MrkMMME:
      return units::Double2mrkMMME(value, digits);
    case Form::MMKM:
      return units::Double2MMKM(value, digits, true);
    case Form::MMKMNoFlag:
      return units::Double2MMKM(value, digits, false);
    case Form::MMVM:
      return units::Double2MMVM(value, digits, true);
    case Form::uHMME:
      return units::Double2uHMME(value, digits);
    case Form::MRMMME:
      return units::Double2MRMMME(value, digits);
    case Form::MMLRKM:
      return units::Double2MMLRKM(value, digits);
  }
  return {};
}

// The unit tables after the unit choices `rows`, made in this order.
inline units::UnitTable tablesAfter(std::initializer_list<int> rows) {
  units::UnitTable t;
  for (int row : rows) units::InstallUnitRow(t, row);
  return t;
}

}  // namespace units_test
