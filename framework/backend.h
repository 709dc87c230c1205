#pragma once

// What the framework model needs of a real or headless user interface. The Qt backend draws the
// windows; the headless backend records what the program shows and answers dialogs from a
// script, for tests.

#include <optional>
#include <string>

#include "files.h"

namespace fw {

class Window;

struct FileDialogRequest {
  std::string title{};       // the dialog's title
  std::string promptText{};  // a line of explanation shown in the dialog
  std::optional<FolderItem> initialFolder{};
  std::string suggestedFileName{};
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Makes the window's view (the first time) and brings it to the front, restored when it was
  // minimized.
  virtual void showWindow(Window& window) = 0;
  // Drops the window's view; the model window is about to go.
  virtual void closeWindow(Window& window) = 0;

  virtual void runEventLoop() = 0;
  virtual void quitEventLoop() = 0;
  // Lets the user interface repaint in the middle of a long handler. No user input is delivered
  // during it.
  virtual void yieldToEventLoop() = 0;

  virtual void messageBox(const std::string& text) = 0;
  // The chosen file, or nothing when the user cancelled.
  virtual std::optional<FolderItem> openDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<FolderItem> saveDialog(const FileDialogRequest& request) = 0;
  // The user's documents folder, where an open dialog starts; nothing when there is none.
  virtual std::optional<FolderItem> documentsFolder() const = 0;
};

}  // namespace fw
