#pragma once

// The application object: the menu bar, the form's commands and the file state.

#include <string_view>

#include "form/formcommands.h"
#include "framework/files.h"

namespace quillex {

class App : public form::FormApplication {
 public:
  // The registered application object.
  static App& Instance();

  // A document handed to the application (the command line, the desktop) is read into the main
  // window, a fresh one when none is open.
  void Event_OpenDocument(const fw::FolderItem& item) override;
  // File > Open chosen while no main window is open (from the Static Attributes window): a
  // fresh main window takes the command, as a document handed to the application would.
  bool handleMenu(std::string_view itemName) override;
};

}  // namespace quillex
