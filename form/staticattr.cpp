#include "form/staticattr.h"

#include <utility>

#include "form/staticattr_controls.h"
#include "framework/runtime.h"

namespace form {

StaticAttr& StaticAttr::Instance() { return fw::implicitInstance<StaticAttr>(); }

void StaticAttr::Layout(fw::WindowSpec& frame) {
  // The window sets no menu bar of its own; the backend shows the application's.
  frame = {.Width = 876,
           .Height = 650,
           .Title = "Static Attributes",
           .Resizeable = false,
           .MaximizeButton = false};
}

void StaticAttr::CreateControls() {
  // No event is bound: the window only holds values that Go reads and the reader sets.
  for (fw::ControlSpec& props : StaticAttrControls()) addControl(std::move(props));
}

}  // namespace form
