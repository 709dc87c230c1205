// The unit choice: the unit in which Start and Stop are typed, shown beside both fields, and
// the unit table that the value formatters use.

#include "form/window1.h"

namespace form {
namespace {

constexpr int kLastUnitRow = 7;

}  // namespace

void Window1::ValueSuffixPU_Change() {
  resetOutput();
  ValueSuffixIndex = ValueSuffixPU().ListIndex();
  // The blank row takes the unit away but keeps the tables, which only a new unit replaces.
  const bool chosen = ValueSuffixIndex != 0;
  UnitsStartST().setVisible(chosen);
  UnitsStopST().setVisible(chosen);
  StartEF().setEnabled(chosen);
  StopEF().setEnabled(chosen);
  if (ValueSuffixIndex >= 1 && ValueSuffixIndex <= kLastUnitRow) {
    const std::string label = units::UnitLabel(ValueSuffixIndex);
    UnitsStartST().setText(label);
    UnitsStopST().setText(label);
    units::InstallUnitRow(Units, ValueSuffixIndex);
  }
  CheckForGo();
}

}  // namespace form
