#pragma once

// The "Static Attributes" window: the attributes common to the whole family of parts.

#include "framework/window.h"

namespace form {

// A plain holder of the 27 attribute fields, which are read and set by name. No control has a
// handler, so editing the window runs no code. There is one window at a time; once closed it is
// gone with its values.
class StaticAttr : public fw::Window {
 public:
  // The window: the open one, or a new one built with the initial values (empty fields,
  // category "PASS", function "RES") and shown.
  static StaticAttr& Instance();

 protected:
  void Layout(fw::WindowSpec& frame) override;
  void CreateControls() override;
};

}  // namespace form
