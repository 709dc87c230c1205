// The form's handlers: they keep the device-line template and the per-source choices in step
// with the controls, and empty the output field whenever the form no longer matches it.

#include "form/window1.h"

namespace form {
namespace {

// The rows below the index formats code the value.
constexpr int kLastCodingFormat = kFirstIndexFormat - 1;
// The test series, which fills the form with a preset range of its own.
constexpr int kTestSeriesRow = 7;
constexpr int kTestSeriesUnitRow = 4;  // "pF, µF, F"

}  // namespace

void Window1::resetOutput() { TestEF().setText(""); }

void Window1::StartEF_TextChange() {
  resetOutput();
  CheckForGo();
}

void Window1::StopEF_TextChange() {
  resetOutput();
  CheckForGo();
}

void Window1::SeriesPU_Change() {
  resetOutput();
  if (SeriesPU().ListIndex() != kTestSeriesRow) return;
  // Each setting runs its own handler, which checks the form for Go.
  ValueSuffixPU().setListIndex(kTestSeriesUnitRow);
  StartEF().setText("0.001");
  StopEF().setText("100000000");
}

void Window1::LibPreEF_TextChange() {
  OutputLineArray[kNameCell] = LibPreEF().Text();
  resetOutput();
}

void Window1::LibSufEF_TextChange() {
  OutputLineArray[kNameSuffixCell] = LibSufEF().Text();
  resetOutput();
}

void Window1::ValPreEF_TextChange() {
  resetOutput();
  ValPreEF_Open();
}

void Window1::ValPreEF_Open() { OutputLineArray[kValuePrefixCell] = ValPreEF().Text(); }

void Window1::ValSufEF_TextChange() {
  resetOutput();
  ValSufEF_Open();
}

void Window1::ValSufEF_Open() { OutputLineArray[kValueSuffixCell] = ValSufEF().Text(); }

void Window1::ManufCB_Change(int i) {
  resetOutput();
  ManufCB_Open(i);
  CheckForGo();
}

// Typing a manufacturer only keeps the template current; the output and the Go button wait
// for the entry to be committed.
void Window1::ManufCB_TextChanged(int i) { ManufCB_Open(i); }

void Window1::ManufCB_Open(int i) {
  OutputLineArray[sourceCells(i).manufacturer] = ManufCB(i).Text();
}

void Window1::PrefixEF_TextChange(int i) {
  resetOutput();
  PrefixEF_Open(i);
}

void Window1::PrefixEF_Open(int i) { OutputLineArray[sourceCells(i).prefix] = PrefixEF(i).Text(); }

void Window1::ValFmtPU_Change(int i) {
  resetOutput();
  ValFmtPU_Open(i);
  const int row = ValFmtPU(i).ListIndex();
  // Only the index formats use the digit count and first number; no row chosen leaves both.
  const bool index = row >= kFirstIndexFormat && row <= kLastIndexFormat;
  if (index || (row >= 0 && row <= kLastCodingFormat)) {
    SigDigEF(i).setEnabled(index);
    IndexStartEF(i).setEnabled(index);
  }
  CheckForGo();
}

void Window1::ValFmtPU_Open(int i) {
  ResCodeFormat[sourceCells(i).valueCode] = ValFmtPU(i).ListIndex();
}

void Window1::SuffixEF_TextChange(int i) {
  resetOutput();
  SuffixEF_Open(i);
}

void Window1::SuffixEF_Open(int i) { OutputLineArray[sourceCells(i).suffix] = SuffixEF(i).Text(); }

void Window1::VendorEF_TextChange(int i) {
  resetOutput();
  VendorEF_Open(i);
}

void Window1::VendorEF_Open(int i) { OutputLineArray[sourceCells(i).vendor] = VendorEF(i).Text(); }

void Window1::MrkPU_Change(int i) {
  resetOutput();
  MrkPU_Open(i);
}

void Window1::MrkPU_Open(int i) { MrkFormat[sourceCells(i).marking] = MrkPU(i).ListIndex(); }

void Window1::SigDigEF_TextChange(int /*i*/) {
  CheckForGo();
  resetOutput();
}

void Window1::IndexStartEF_TextChange(int /*i*/) { resetOutput(); }

void Window1::RefDesPreCB_Change() {
  CheckForGo();
  resetOutput();
}

void Window1::RefDesStartEF_TextChange() { resetOutput(); }

void Window1::SpiceRefDesPreCB_Change() {
  CheckForGo();
  resetOutput();
}

void Window1::SpiceParamEF_TextChange() { resetOutput(); }

// Toggling either naming option puts the plain library-name prefix back into cell 0. Go names
// each part in its own copy of the template, so a run with both options off names the parts with
// this prefix.
void Window1::PreLOCB_Action() {
  OutputLineArray[kNameCell] = LibPreEF().Text();
  resetOutput();
}

void Window1::PrefixPNCB_Action() {
  OutputLineArray[kNameCell] = LibPreEF().Text();
  resetOutput();
}

void Window1::LengthTotEF_TextChange() { resetOutput(); }

void Window1::WidthTotEF_TextChange() { resetOutput(); }

void Window1::AreaEF_TextChange() { resetOutput(); }

}  // namespace form
