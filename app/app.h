#pragma once

// The application object.

#include <optional>
#include <string>

#include "form/formcommands.h"
#include "framework/files.h"

namespace quillex {

class App : public form::FormApplication {
 public:
  // The registered application object.
  static App& Instance();

  // The folder of the last document opened (none until a file has been opened).
  std::optional<fw::FolderItem> fpath;
  // The name of the last file opened or saved.
  std::string FileName;

  void Event_OpenDocument(const fw::FolderItem& item) override;
  // File > Open chosen while no main window is open (from the Static Attributes window): a
  // fresh main window takes the command, as a document handed to the application would.
  bool handleMenu(std::string_view itemName) override;
};

}  // namespace quillex
