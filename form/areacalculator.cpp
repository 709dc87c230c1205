// The area calculator: three lengths and three widths are summed into their totals, and the
// package area is the product of the totals, rounded up to whole square millimetres. With no
// length and no width given there is no package area: the totals and the area stay empty, as on
// a fresh form, so a form read back from a file writes the same empty area that it was saved with.

#include <cmath>

#include "form/window1.h"
#include "framework/numbers.h"
#include "framework/runtime.h"

namespace form {
namespace {

// Larger areas do not fit the attribute's field.
constexpr double kAreaLimit = 999999;

// The number a total shows. A sum beyond the number range shows "INF", "-INF" or "NAN", which
// would read back as 0; it is no number at all.
double shownTotal(const fw::EditField& total) {
  for (double unusable : {INFINITY, -INFINITY, NAN}) {
    if (total.Text() == fw::Str(unusable)) return NAN;
  }
  return fw::Val(total.Text());
}

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
  bool anySide = false;
  for (const char* side : {"LengthEF", "WidthEF"}) {
    for (int k = 0; k < 3; ++k) anySide = anySide || !get<fw::EditField>(side, k).Text().empty();
  }
  if (!anySide) {
    LengthTotEF().setText("");
    WidthTotEF().setText("");
    AreaEF().setText("");
    return;
  }
  double sum = 0.0;
  for (int k = 0; k < 3; ++k) {
    sum += fw::Val(get<fw::EditField>(sideName, k).Text());
    fw::Yield();
  }
  total.setText(fw::Str(sum));
  // The area is that of the totals as shown, so what the user reads is what was multiplied.
  const double area = fw::Ceil(shownTotal(LengthTotEF()) * shownTotal(WidthTotEF()));
  // An area that is no number (a side beyond the number range) is as unusable as one above the
  // limit.
  AreaEF().setText(area <= kAreaLimit ? fw::Str(area) : "ERROR");
}

}  // namespace form
