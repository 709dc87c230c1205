// The right side of the main window: the area calculator, which sums three lengths and three
// widths into the package area, and under it the reference-designator and SPICE fields.

#include "form/window1_controls.h"

namespace form::window1 {
namespace {

using enum fw::ControlKind;
using fw::Align;

constexpr int kLengthLeft = 735;
constexpr int kWidthLeft = 877;
constexpr int kFieldWidth = 100;
constexpr int kRowTop = 130;
constexpr int kRowPitch = 28;
constexpr int kTotalsTop = kRowTop + 3 * kRowPitch + 2;
constexpr int kAreaTop = kTotalsTop + kRowPitch;

// clang-format off
// A bold sign of the calculator's arithmetic ("+", "x", "="), left-aligned like every label: its
// box is as wide as the sign, so placing the box places the sign.
constexpr int kSignWidth = 16;
constexpr int kSignLeft = kLengthLeft - kSignWidth - 3;  // in front of the length column
constexpr int kWidthSignLeft = kWidthLeft - kSignWidth - 3;
constexpr int kTimesLeft = (kLengthLeft + kFieldWidth + kWidthLeft - kSignWidth) / 2;

fw::ControlSpec sign(const char* name, const char* text, int left, int top) {
  return {.kind = StaticText, .Name = name, .Left = left, .Top = top, .Width = kSignWidth,
          .Height = kFieldHeight, .TextSize = 16, .Bold = true, .Text = text};
}

fw::ControlSpec calculatorField(const char* name, int row, int left) {
  return {.kind = EditField, .Name = name, .Index = row, .Left = left,
          .Top = kRowTop + row * kRowPitch, .Width = kFieldWidth, .Height = kFieldHeight};
}
// clang-format on

}  // namespace

std::vector<fw::ControlSpec> RightSideControls() {
  // clang-format off
  std::vector<fw::ControlSpec> allProps = {
      {.kind = StaticText, .Name = "StaticText31", .Left = 709, .Top = 98, .Width = 291,
       .Height = 28, .TextSize = 18, .Bold = true, .Text = "Area Calculator",
       .Alignment = Align::Center},
      // A "+" in front of the second and third row of each column.
      sign("StaticText32", "+", kSignLeft, kRowTop + kRowPitch),
      sign("StaticText33", "+", kSignLeft, kRowTop + 2 * kRowPitch),
      sign("StaticText35", "+", kWidthSignLeft, kRowTop + kRowPitch),
      sign("StaticText34", "+", kWidthSignLeft, kRowTop + 2 * kRowPitch),
      // The totals are the calculator's own: the user edits the rows above them.
      {.kind = EditField, .Name = "LengthTotEF", .Left = kLengthLeft, .Top = kTotalsTop,
       .Width = kFieldWidth, .Height = kFieldHeight, .Enabled = false},
      sign("StaticText36", "x", kTimesLeft, kTotalsTop),
      {.kind = EditField, .Name = "WidthTotEF", .Left = kWidthLeft, .Top = kTotalsTop,
       .Width = kFieldWidth, .Height = kFieldHeight, .Enabled = false},
      sign("StaticText37", "=", kSignLeft, kAreaTop),
      {.kind = EditField, .Name = "AreaEF", .Left = kLengthLeft, .Top = kAreaTop,
       .Width = kFieldWidth, .Height = kFieldHeight},
      {.kind = StaticText, .Name = "StaticText38", .Left = kLengthLeft + kFieldWidth + 6,
       .Top = kAreaTop, .Width = 50, .Height = kFieldHeight, .Text = "mm^2"},

      // Reference designators and SPICE.
      {.kind = StaticText, .Name = "StaticText39", .Left = 709, .Top = 276, .Width = 160,
       .Height = 22, .TextSize = 14, .Text = "Reference Des Prefix", .Alignment = Align::Center},
      {.kind = ComboBox, .Name = "RefDesPreCB", .Left = 749, .Top = 300, .Width = 80,
       .Height = kPopupHeight, .InitialValue = RefDesRows(), .ListIndex = 0},
      {.kind = StaticText, .Name = "StaticText40", .Left = 830, .Top = 301, .Width = 76,
       .Height = kFieldHeight, .Text = "Starting at", .Alignment = Align::Right},
      {.kind = EditField, .Name = "RefDesStartEF", .Left = 911, .Top = 301, .Width = 66,
       .Height = kFieldHeight, .Text = "1"},
      {.kind = StaticText, .Name = "StaticText41", .Left = 709, .Top = 330, .Width = 112,
       .Height = kFieldHeight, .Text = "Spice Ref Des", .Alignment = Align::Right},
      {.kind = ComboBox, .Name = "SpiceRefDesPreCB", .Left = 826, .Top = 329, .Width = 80,
       .Height = kPopupHeight, .InitialValue = SpiceRefDesRows(), .ListIndex = 0},
      {.kind = StaticText, .Name = "StaticText42", .Left = 709, .Top = 358, .Width = 112,
       .Height = kFieldHeight, .Text = "Spice Parameters", .Alignment = Align::Right},
      {.kind = EditField, .Name = "SpiceParamEF", .Left = 826, .Top = 358, .Width = 151,
       .Height = kFieldHeight},
  };
  // clang-format on
  for (int row = 0; row < 3; ++row) {
    allProps.push_back(calculatorField("LengthEF", row, kLengthLeft));
    allProps.push_back(calculatorField("WidthEF", row, kWidthLeft));
  }
  return allProps;
}

}  // namespace form::window1
