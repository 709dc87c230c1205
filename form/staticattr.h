#pragma once

// The "Static Attributes" window: the attributes common to the whole family of parts.

#include "framework/window.h"

namespace form {

class StaticAttr : public fw::Window {
 public:
  // The window: the open one, or a new one built with the initial values.
  static StaticAttr& Instance();

 protected:
  void Layout(fw::WindowSpec& frame) override;
  void CreateControls() override;
};

}  // namespace form
