#include "form/staticattr.h"

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

void StaticAttr::CreateControls() {}

}  // namespace form
