// The three source columns of the main window. Each column holds element i of every per-source
// control array under its own title and labels; the columns share one arrangement, 250 pixels
// apart.

#include "form/window1_controls.h"

namespace form::window1 {
namespace {

using enum fw::ControlKind;
using fw::Align;

// What differs between the columns: the names of the title and the labels, and the initial
// values of the source's fields.
struct SourceColumn {
  std::string title, titleName;
  std::string manufLabel, prefixLabel, valFmtLabel, sigDigLabel, indexStartLabel;
  std::string suffixLabel, vendorLabel, mrkLabel;
  int manufacturer;
  std::string prefix;
  int valueFormat;
  std::string suffix, suffixHelp, vendor;
  int marking;
};

// clang-format off
const SourceColumn kColumns[3] = {
    {"Primary Source", "StaticText9",
     "StaticText8", "StaticText5", "StaticText6", "SigDig0ST", "IndexStart0ST",
     "StaticText7", "StaticText19", "StaticText28",
     1, "CR0805-FX-", 1, "ELF", "", "Avnet", 2},
    // The prefix ends and the suffix begins with a blank, which set the value code apart in
    // the part number.
    {"Second Source", "StaticText16",
     "StaticText15", "StaticText23", "StaticText24", "SigDig1ST", "IndexStart1ST",
     "StaticText22", "StaticText20", "StaticText29",
     4, "RMCF1/10 ", 0, " 1%R", "", "Avnet", 2},
    {"Third Source", "StaticText18",
     "StaticText17", "StaticText26", "StaticText27", "SigDig2ST", "IndexStart2ST",
     "StaticText25", "StaticText21", "StaticText30",
     2, "NRC10F", 1, "TR10F", "TR10F", "Avnet", 2},
};
// clang-format on

constexpr int kFirstLeft = 9;
constexpr int kPitch = 250;
constexpr int kWidth = 200;
// A label in front of a field takes this much of the column; the field takes the rest.
constexpr int kLabelWidth = 54;
constexpr int kField = kLabelWidth + 5;
constexpr int kFieldWidth = kWidth - kField;

fw::ControlSpec inFront(const std::string& name, const char* text, int left, int top,
                        int width = kLabelWidth) {
  return {.kind = StaticText,
          .Name = name,
          .Left = left,
          .Top = top,
          .Width = width,
          .Height = kFieldHeight,
          .Text = text,
          .Alignment = Align::Right};
}

fw::ControlSpec above(const std::string& name, const char* text, int left, int top) {
  return {.kind = StaticText,
          .Name = name,
          .Left = left,
          .Top = top,
          .Width = kWidth,
          .Height = 18,
          .Text = text,
          .Alignment = Align::Center};
}

void addColumn(std::vector<fw::ControlSpec>& allProps, int i) {
  const SourceColumn& c = kColumns[i];
  const int x = kFirstLeft + i * kPitch;
  // clang-format off
  const fw::ControlSpec column[] = {
      {.kind = StaticText, .Name = c.titleName, .Left = x, .Top = 98, .Width = kWidth,
       .Height = 28, .TextSize = 18, .Bold = true, .Text = c.title, .Alignment = Align::Center},
      above(c.manufLabel, "Manufacturer", x, 128),
      {.kind = ComboBox, .Name = "ManufCB", .Index = i, .Left = x, .Top = 146, .Width = kWidth,
       .Height = kPopupHeight, .InitialValue = ManufacturerRows(), .ListIndex = c.manufacturer},
      inFront(c.prefixLabel, "Prefix", x, 176),
      {.kind = EditField, .Name = "PrefixEF", .Index = i, .Left = x + kField, .Top = 176,
       .Width = kFieldWidth, .Height = kFieldHeight, .Text = c.prefix},
      above(c.valFmtLabel, "Value Format", x, 202),
      {.kind = PopupMenu, .Name = "ValFmtPU", .Index = i, .Left = x, .Top = 220, .Width = kWidth,
       .Height = kPopupHeight, .InitialValue = ValueFormatRows(), .ListIndex = c.valueFormat},
      // The index formats' digit count (one character) and first number share a row; both
      // stay disabled until the column chooses an index format.
      inFront(c.sigDigLabel, "Sig Digits", x, 250, 62),
      {.kind = EditField, .Name = "SigDigEF", .Index = i, .Left = x + 67, .Top = 250,
       .Width = 24, .Height = kFieldHeight, .Enabled = false},
      inFront(c.indexStartLabel, "Start", x + 96, 250, 44),
      {.kind = EditField, .Name = "IndexStartEF", .Index = i, .Left = x + 145, .Top = 250,
       .Width = kWidth - 145, .Height = kFieldHeight, .Enabled = false, .Text = "1"},
      inFront(c.suffixLabel, "Suffix", x, 278),
      {.kind = EditField, .Name = "SuffixEF", .Index = i, .Left = x + kField, .Top = 278,
       .Width = kFieldWidth, .Height = kFieldHeight, .HelpTag = c.suffixHelp, .Text = c.suffix},
      inFront(c.vendorLabel, "Vendor", x, 306),
      {.kind = EditField, .Name = "VendorEF", .Index = i, .Left = x + kField, .Top = 306,
       .Width = kFieldWidth, .Height = kFieldHeight, .Text = c.vendor},
      inFront(c.mrkLabel, "Pkg Mrk", x, 334),
      {.kind = PopupMenu, .Name = "MrkPU", .Index = i, .Left = x + kField, .Top = 333,
       .Width = kFieldWidth, .Height = kPopupHeight, .InitialValue = MarkingRows(),
       .ListIndex = c.marking},
  };
  // clang-format on
  allProps.insert(allProps.end(), std::begin(column), std::end(column));
}

}  // namespace

std::vector<fw::ControlSpec> SourceColumnControls() {
  std::vector<fw::ControlSpec> allProps;
  for (int i = 0; i < 3; ++i) addColumn(allProps, i);
  return allProps;
}

}  // namespace form::window1
