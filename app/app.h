#pragma once

// The application object.

#include <string_view>

#include "form/formcommands.h"
#include "framework/files.h"

namespace quillex {

class App : public form::FormApplication {
 public:
  // The registered application object.
  static App& Instance();

  // A document handed to the running application opens the main window, a fresh one when the
  // last was closed; nothing reads the document yet.
  void Event_OpenDocument(const fw::FolderItem& item) override;
  // File > Open chosen while no main window is open (from the Static Attributes window): a
  // fresh main window takes the command, as a document handed to the application would.
  bool handleMenu(std::string_view itemName) override;
};

}  // namespace quillex
