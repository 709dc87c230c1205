#pragma once

// The main window: the whole form, its working properties and the device-line template.

#include <string>

#include "form/formcommands.h"
#include "framework/array.h"
#include "framework/window.h"
#include "units/unittable.h"

namespace form {

// Cells of OutputLineArray: 51 cells, 0 to 50.
inline constexpr int kTemplateLastCell = 50;
// The cells of the template outside the source columns. The cells between the columns hold the
// TABs that separate them, and cell EndOfOutLineArray the line end.
inline constexpr int kNameCell = 0;          // the library-name prefix, or the name Go builds
inline constexpr int kNameValueCell = 1;     // the value text in the name
inline constexpr int kNameSuffixCell = 2;    // LibSufEF
inline constexpr int kValuePrefixCell = 4;   // ValPreEF
inline constexpr int kValueCell = 5;         // the value text
inline constexpr int kValueSuffixCell = 6;   // ValSufEF
inline constexpr int kValueFieldCell = 8;    // the value text without its unit letter
inline constexpr int kSpiceValueCell = 40;   // the SPICE number
inline constexpr int kAreaCell = 42;         // AreaEF
inline constexpr int kSpicePrefixCell = 44;  // SpiceRefDesPreCB
inline constexpr int kSpiceParamCell = 46;   // SpiceParamEF

// The cells of one source column: the manufacturer, the part number (prefix, value code and
// suffix, with nothing between them), the vendor and the package marking. ResCodeFormat and
// MrkFormat hold the column's value format and marking at the index of the cell they govern.
struct SourceCells {
  int manufacturer;
  int prefix;
  int valueCode;
  int suffix;
  int vendor;
  int marking;
};

// The index formats: the rows of ValFmtPU that print the column's running index number instead
// of coding the value; they alone use the column's SigDigEF and IndexStartEF.
inline constexpr int kFirstIndexFormat = 13;
inline constexpr int kLastIndexFormat = 16;

class Window1 : public fw::Window {
 public:
  Window1();
  ~Window1() override;

  // The main window: the open one, or a new one built with the initial values.
  static Window1& Instance();

  // Working properties.
  units::UnitTable Units;  // UnitMultiplier, the decade and suffix tables, UnitsSuffix

  // The device-line template, and the value-format and marking choice of each source column
  // at the index of the cell they govern (13/23/33 and 18/28/38).
  fw::Array<std::string> OutputLineArray = fw::Array<std::string>(kTemplateLastCell);
  fw::Array<int> ResCodeFormat = fw::Array<int>(kTemplateLastCell);
  fw::Array<int> MrkFormat = fw::Array<int>(kTemplateLastCell);
  int FirstSourceStart = 10;
  int PartNumberValOffset = 3;
  int LastSource = 0;
  int SourcePitch = 10;
  int EndOfOutLineArray = 0;
  int ValueSuffixIndex = 0;
  std::string RefDesPrefix = "*NONE*";

  // The cells of source column i (0, 1, 2), from cell FirstSourceStart + i x SourcePitch on.
  SourceCells sourceCells(int i) const noexcept {
    const int first = FirstSourceStart + i * SourcePitch;
    return {first, first + 2, first + PartNumberValOffset, first + 4, first + 6, first + 8};
  }

  // The form's controls, found by name (an element of a control array by name and index 0 to
  // 2). Each raises the framework's NilObjectException when the window has no such control.
  fw::PopupMenu& SeriesPU() const { return get<fw::PopupMenu>("SeriesPU"); }
  fw::PopupMenu& ValueSuffixPU() const { return get<fw::PopupMenu>("ValueSuffixPU"); }
  fw::EditField& StartEF() const { return get<fw::EditField>("StartEF"); }
  fw::EditField& StopEF() const { return get<fw::EditField>("StopEF"); }
  fw::StaticText& UnitsStartST() const { return get<fw::StaticText>("UnitsStartST"); }
  fw::StaticText& UnitsStopST() const { return get<fw::StaticText>("UnitsStopST"); }
  fw::EditField& LibPreEF() const { return get<fw::EditField>("LibPreEF"); }
  fw::EditField& LibSufEF() const { return get<fw::EditField>("LibSufEF"); }
  fw::CheckBox& PreLOCB() const { return get<fw::CheckBox>("PreLOCB"); }
  fw::CheckBox& PrefixPNCB() const { return get<fw::CheckBox>("PrefixPNCB"); }
  fw::EditField& ValPreEF() const { return get<fw::EditField>("ValPreEF"); }
  fw::EditField& ValSufEF() const { return get<fw::EditField>("ValSufEF"); }
  // Source column i (0, 1, 2).
  fw::ComboBox& ManufCB(int i) const { return get<fw::ComboBox>("ManufCB", i); }
  fw::EditField& PrefixEF(int i) const { return get<fw::EditField>("PrefixEF", i); }
  fw::PopupMenu& ValFmtPU(int i) const { return get<fw::PopupMenu>("ValFmtPU", i); }
  fw::EditField& SigDigEF(int i) const { return get<fw::EditField>("SigDigEF", i); }
  fw::EditField& IndexStartEF(int i) const { return get<fw::EditField>("IndexStartEF", i); }
  fw::EditField& SuffixEF(int i) const { return get<fw::EditField>("SuffixEF", i); }
  fw::EditField& VendorEF(int i) const { return get<fw::EditField>("VendorEF", i); }
  fw::PopupMenu& MrkPU(int i) const { return get<fw::PopupMenu>("MrkPU", i); }
  // Area calculator row i (0, 1, 2).
  fw::EditField& LengthEF(int i) const { return get<fw::EditField>("LengthEF", i); }
  fw::EditField& WidthEF(int i) const { return get<fw::EditField>("WidthEF", i); }
  fw::EditField& LengthTotEF() const { return get<fw::EditField>("LengthTotEF"); }
  fw::EditField& WidthTotEF() const { return get<fw::EditField>("WidthTotEF"); }
  fw::EditField& AreaEF() const { return get<fw::EditField>("AreaEF"); }
  fw::ComboBox& RefDesPreCB() const { return get<fw::ComboBox>("RefDesPreCB"); }
  fw::EditField& RefDesStartEF() const { return get<fw::EditField>("RefDesStartEF"); }
  fw::ComboBox& SpiceRefDesPreCB() const { return get<fw::ComboBox>("SpiceRefDesPreCB"); }
  fw::EditField& SpiceParamEF() const { return get<fw::EditField>("SpiceParamEF"); }
  fw::PushButton& PushButton1() const { return get<fw::PushButton>("PushButton1"); }
  fw::StaticText& CurrentValueST() const { return get<fw::StaticText>("CurrentValueST"); }
  fw::StaticText& DeviceCntST() const { return get<fw::StaticText>("DeviceCntST"); }
  fw::EditField& TestEF() const { return get<fw::EditField>("TestEF"); }

  // Event handlers of the form. Those of a control array take the raising element's index.
  // Every Change, TextChange and Action handler empties TestEF, except ManufCB_TextChanged;
  // the Open handlers copy the controls' initial values into the template.
  void StartEF_TextChange();
  void StopEF_TextChange();
  void SeriesPU_Change();
  void ValueSuffixPU_Change();
  void LibPreEF_TextChange();
  void LibSufEF_TextChange();
  void ValPreEF_TextChange();
  void ValPreEF_Open();
  void ValSufEF_TextChange();
  void ValSufEF_Open();
  void ManufCB_Change(int i);
  void ManufCB_TextChanged(int i);
  void ManufCB_Open(int i);
  void PrefixEF_TextChange(int i);
  void PrefixEF_Open(int i);
  void ValFmtPU_Change(int i);
  void ValFmtPU_Open(int i);
  void SuffixEF_TextChange(int i);
  void SuffixEF_Open(int i);
  void VendorEF_TextChange(int i);
  void VendorEF_Open(int i);
  void MrkPU_Change(int i);
  void MrkPU_Open(int i);
  void SigDigEF_TextChange(int i);
  void IndexStartEF_TextChange(int i);
  void RefDesPreCB_Change();
  void RefDesStartEF_TextChange();
  void SpiceRefDesPreCB_Change();
  void SpiceParamEF_TextChange();
  void PreLOCB_Action();
  void PrefixPNCB_Action();
  void LengthEF_TextChange(int i);
  void WidthEF_TextChange(int i);
  void LengthTotEF_TextChange();
  void WidthTotEF_TextChange();
  void AreaEF_TextChange();
  // Go: runs the generation command, when one is set.
  void PushButton1_Action();

  // Enables the Go button exactly when the form is complete enough for a run: the first
  // source's manufacturer, the unit and the reference-designator prefix are filled in,
  // 0.0001 < Start < Stop, and an index format of the first source has a significant-digit
  // count above 0. Changes nothing else.
  void CheckForGo();

  // Menu handlers.
  bool FileOpen_Action();
  bool FileSave_Action();
  bool WindowsStaticAttributes_Action();

 protected:
  void Layout(fw::WindowSpec& frame) override;
  void CreateControls() override;
  void AddMenuHandlers() override;
  void Event_Open() override;

 private:
  // Empties the output field: the form no longer matches the text it shows.
  void resetOutput();
  // Sums one side of the area calculator into `total` and shows the area of both totals.
  void recalculateArea(const char* sideName, fw::EditField& total);
};

}  // namespace form
