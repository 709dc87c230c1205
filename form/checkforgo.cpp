// Whether the form is complete enough for Go.

#include "form/window1.h"
#include "framework/numbers.h"

namespace form {
namespace {

// Go rejects a start value below this one as too small; the button waits for one above it.
constexpr double kSmallestStart = 0.0001;

bool readyForGo(const Window1& w) {
  // An empty text means nothing chosen; blanks count as filled in.
  if (w.ManufCB(0).Text().empty()) return false;
  if (w.ValueSuffixPU().Text().empty()) return false;
  if (w.RefDesPreCB().Text().empty()) return false;
  // Start and Stop are compared as typed, in the user's unit.
  const double start = fw::Val(w.StartEF().Text());
  if (!(kSmallestStart < start)) return false;
  if (!(start < fw::Val(w.StopEF().Text()))) return false;
  // An index format numbers the parts with the digit count of its own field.
  if (w.ValFmtPU(0).ListIndex() < kFirstIndexFormat) return true;
  return 0 < fw::Val(w.SigDigEF(0).Text());
}

}  // namespace

void Window1::CheckForGo() { PushButton1().setEnabled(readyForGo(*this)); }

}  // namespace form
