#pragma once

// The commands of the main window that live in the generation layer (Go, File > Open,
// File > Save). The application object holds them, so the form never depends on the layer that
// builds and reads attribute-value texts. The program's start-up fills in none yet: Go and the
// file commands do nothing so far.

#include <functional>

#include "framework/application.h"

namespace form {

class Window1;

struct FormCommands {
  std::function<void(Window1&)> go{};
  // Menu commands: return whether the command was handled.
  std::function<bool(Window1&)> fileOpen{};
  std::function<bool(Window1&)> fileSave{};
};

// An application object that carries the form's commands. Without one (or with a command left
// empty) Go and the file commands do nothing.
class FormApplication : public fw::Application {
 public:
  FormCommands Commands;
};

// The commands of the running application; empty ones when it has none.
const FormCommands& commands();

}  // namespace form
