#pragma once

// The commands of the main window that live in the generation layer (Go, File > Open,
// File > Save). The program's start-up hands them to the form, so the form never depends on the
// layer that builds and reads attribute-value texts.

#include <functional>

namespace form {

class Window1;

struct FormCommands {
  std::function<void(Window1&)> go{};
  // Menu commands: return whether the command was handled.
  std::function<bool(Window1&)> fileOpen{};
  std::function<bool(Window1&)> fileSave{};
};

}  // namespace form
