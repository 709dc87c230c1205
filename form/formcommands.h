#pragma once

// The commands of the main window that live in the generation layer (Go, File > Open,
// File > Save). The application object holds them, so the form never depends on the layer that
// builds and reads attribute-value texts; the program's start-up fills them in.

#include <functional>
#include <optional>
#include <string>

#include "framework/application.h"
#include "framework/files.h"

namespace form {

class Window1;

struct FormCommands {
  std::function<void(Window1&)> go{};
  // Menu commands: return whether the command was handled.
  std::function<bool(Window1&)> fileOpen{};
  std::function<bool(Window1&)> fileSave{};
};

// An application object that carries the form's commands and the file the form was last read
// from or written to. Without one (or with a command left empty) Go and the file commands do
// nothing.
class FormApplication : public fw::Application {
 public:
  // The running application object, if it is one of these.
  static FormApplication* current() noexcept;

  FormCommands Commands;
  // The folder of the last document opened (none until a file has been opened); File > Save
  // starts there.
  std::optional<fw::FolderItem> fpath;
  // The name of the last file opened or saved.
  std::string FileName;
};

// The commands of the running application; empty ones when it has none.
const FormCommands& commands();

}  // namespace form
