// The area calculator: three lengths and three widths are summed into their totals, and the
// package area is the product of the totals, rounded up to whole square millimetres.

#include "form/window1.h"
#include "framework/numbers.h"
#include "framework/runtime.h"

namespace form {
namespace {

// Larger areas do not fit the attribute's field.
constexpr double kAreaLimit = 999999;

}  // namespace

void Window1::LengthEF_TextChange(int /*i*/) {
  resetOutput();
  recalculateArea("LengthEF", LengthTotEF());
}

void Window1::WidthEF_TextChange(int /*i*/) {
  resetOutput();
  recalculateArea("WidthEF", WidthTotEF());
}

void Window1::recalculateArea(const char* sideName, fw::EditField& total) {
  double sum = 0.0;
  for (int k = 0; k < 3; ++k) {
    sum += fw::Val(get<fw::EditField>(sideName, k).Text());
    fw::Yield();
  }
  total.setText(fw::Str(sum));
  // The area is that of the totals as shown, so what the user reads is what was multiplied.
  const double area = fw::Ceil(fw::Val(LengthTotEF().Text()) * fw::Val(WidthTotEF().Text()));
  // A product that is no number (an infinite side times an empty one) is as unusable as one
  // above the limit.
  AreaEF().setText(area <= kAreaLimit ? fw::Str(area) : "ERROR");
}

}  // namespace form
