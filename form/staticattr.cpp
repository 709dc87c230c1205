#include "form/staticattr.h"

#include <utility>

#include "form/staticattr_controls.h"
#include "framework/runtime.h"

namespace form {

StaticAttr& StaticAttr::Instance() { return fw::implicitInstance<StaticAttr>(); }

void StaticAttr::Layout(fw::WindowSpec& frame) {
  frame.Width = 876;
  frame.Height = 650;
  frame.MinWidth = 64;
  frame.MinHeight = 64;
  frame.MaxWidth = 32000;
  frame.MaxHeight = 32000;
  frame.Title = "Static Attributes";
  frame.Resizeable = false;
  frame.LiveResize = true;
  frame.CloseButton = true;
  frame.MinimizeButton = true;
  frame.MaximizeButton = false;
  frame.Visible = true;
  frame.MenuBarVisible = true;
  frame.Composite = true;
  // The window sets no menu bar of its own; the backend shows the application's.
}

void StaticAttr::CreateControls() {
  // No event is bound: the window only holds values that Go reads and the reader sets.
  for (fw::ControlSpec& spec : StaticAttrControls()) addOfKind(std::move(spec));
}

void StaticAttr::addOfKind(fw::ControlSpec spec) {
  switch (spec.kind) {
    case fw::ControlKind::EditField:
      addControl<fw::EditField>(std::move(spec));
      return;
    case fw::ControlKind::PopupMenu:
      addControl<fw::PopupMenu>(std::move(spec));
      return;
    case fw::ControlKind::ComboBox:
      addControl<fw::ComboBox>(std::move(spec));
      return;
    case fw::ControlKind::CheckBox:
      addControl<fw::CheckBox>(std::move(spec));
      return;
    case fw::ControlKind::PushButton:
      addControl<fw::PushButton>(std::move(spec));
      return;
    case fw::ControlKind::StaticText:
      addControl<fw::StaticText>(std::move(spec));
      return;
    case fw::ControlKind::HTMLViewer:
      addControl<fw::HTMLViewer>(std::move(spec));
      return;
  }
}

}  // namespace form
