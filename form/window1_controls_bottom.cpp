// The action and status row under the source columns, and the output field across the bottom.

#include "form/window1_controls.h"

namespace form::window1 {

using enum fw::ControlKind;

std::vector<fw::ControlSpec> ActionRowAndOutputControls() {
  // clang-format off
  return {
      // Go stays disabled until the form is complete enough for a run; Return presses it.
      {.kind = PushButton, .Name = "PushButton1", .Left = 9, .Top = 386, .Width = 90,
       .Height = 26, .Enabled = false, .Caption = "Go", .Default = true},
      // Progress and result of a run.
      {.kind = StaticText, .Name = "CurrentValueST", .Left = 110, .Top = 388, .Width = 390,
       .Height = kFieldHeight},
      {.kind = StaticText, .Name = "DeviceCntST", .Left = 509, .Top = 388, .Width = 200,
       .Height = kFieldHeight},
      // The attribute-value text. It alone follows the window's size; the user may edit it
      // before saving.
      {.kind = EditField, .Name = "TestEF", .Left = 0, .Top = 418, .Width = 1009, .Height = 278,
       .LockLeft = true, .LockTop = true, .LockRight = true, .LockBottom = true,
       .TextFont = "Monaco", .TextSize = 10, .Multiline = true, .ReadOnly = false,
       .AcceptTabs = false},
  };
  // clang-format on
}

}  // namespace form::window1
