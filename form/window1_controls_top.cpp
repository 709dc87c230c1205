// The top band of the main window: the series and unit choices, Start and Stop with their unit
// labels, the library-name prefix and suffix with the two naming options, and the value prefix
// and suffix at the far right.

#include "form/window1_controls.h"

namespace form::window1 {

using enum fw::ControlKind;
using fw::Align;

std::vector<fw::ControlSpec> TopBandControls() {
  // clang-format off
  return {
      // Series and unit.
      {.kind = StaticText, .Name = "StaticText4", .Left = 9, .Top = 22, .Width = 78,
       .Height = kFieldHeight, .Text = "E Series", .Alignment = Align::Right},
      {.kind = PopupMenu, .Name = "SeriesPU", .Left = 92, .Top = 21, .Width = 90,
       .Height = kPopupHeight, .InitialValue = SeriesRows(), .ListIndex = 4},
      {.kind = StaticText, .Name = "StaticText10", .Left = 9, .Top = 54, .Width = 78,
       .Height = kFieldHeight, .Text = "Value Suffix", .Alignment = Align::Right},
      // The unit choice: nothing chosen until the user picks a unit.
      {.kind = PopupMenu, .Name = "ValueSuffixPU", .Left = 92, .Top = 53, .Width = 160,
       .Height = kPopupHeight, .InitialValue = ValueSuffixRows(), .ListIndex = 0},

      // Start and Stop, typed in the chosen unit; usable once a unit is chosen.
      {.kind = StaticText, .Name = "StaticText1", .Left = 259, .Top = 22, .Width = 78,
       .Height = kFieldHeight, .Text = "Start Value", .Alignment = Align::Right},
      {.kind = EditField, .Name = "StartEF", .Left = 342, .Top = 22, .Width = 110,
       .Height = kFieldHeight, .Enabled = false, .Text = "10"},
      {.kind = StaticText, .Name = "UnitsStartST", .Left = 457, .Top = 22, .Width = 44,
       .Height = kFieldHeight, .Visible = false, .Text = "Units"},
      {.kind = StaticText, .Name = "StaticText2", .Left = 259, .Top = 54, .Width = 78,
       .Height = kFieldHeight, .Text = "Stop Value", .Alignment = Align::Right},
      {.kind = EditField, .Name = "StopEF", .Left = 342, .Top = 54, .Width = 110,
       .Height = kFieldHeight, .Enabled = false, .Text = "1.0e06"},
      {.kind = StaticText, .Name = "UnitsStopST", .Left = 457, .Top = 54, .Width = 44,
       .Height = kFieldHeight, .Visible = false, .Text = "Units"},

      // Library name, with the labels over their fields, and the two naming options.
      {.kind = StaticText, .Name = "StaticText11", .Left = 509, .Top = 4, .Width = 97,
       .Height = 18, .Text = "LibName Prefix"},
      {.kind = EditField, .Name = "LibPreEF", .Left = 509, .Top = 22, .Width = 97,
       .Height = kFieldHeight},
      {.kind = StaticText, .Name = "StaticText12", .Left = 612, .Top = 4, .Width = 97,
       .Height = 18, .Text = "LibName Suffix"},
      {.kind = EditField, .Name = "LibSufEF", .Left = 612, .Top = 22, .Width = 97,
       .Height = kFieldHeight},
      {.kind = CheckBox, .Name = "PreLOCB", .Left = 509, .Top = 55, .Width = 200, .Height = 20,
       .Caption = "Prepend Lib Organizer"},
      {.kind = CheckBox, .Name = "PrefixPNCB", .Left = 509, .Top = 76, .Width = 200,
       .Height = 20, .Caption = "Prefix with Part Number"},

      // The text around the value, at the far right and a little lower.
      {.kind = StaticText, .Name = "StaticText13", .Left = 719, .Top = 38, .Width = 82,
       .Height = kFieldHeight, .Text = "Value Prefix", .Alignment = Align::Right},
      {.kind = EditField, .Name = "ValPreEF", .Left = 806, .Top = 38, .Width = 190,
       .Height = kFieldHeight},
      {.kind = StaticText, .Name = "StaticText14", .Left = 719, .Top = 68, .Width = 82,
       .Height = kFieldHeight, .Text = "Value Suffix", .Alignment = Align::Right},
      // The suffix begins with a blank, so it stands apart from the value.
      {.kind = EditField, .Name = "ValSufEF", .Left = 806, .Top = 68, .Width = 190,
       .Height = kFieldHeight, .Text = " 1%"},
  };
  // clang-format on
}

}  // namespace form::window1
