#pragma once

// A backend without a user interface, for tests: it records the windows shown and the messages
// the program gives, answers file dialogs from a queue of prepared answers, and runs a test's
// code at every yield.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "backend.h"

namespace fw {

class HeadlessBackend : public Backend {
 public:
  void showWindow(Window& window) override;
  void closeWindow(Window& window) override;
  void runEventLoop() override;
  void quitEventLoop() override {}
  void yieldToEventLoop() override;
  void messageBox(const std::string& text) override { messages.push_back(text); }
  std::optional<FolderItem> openDialog(const FileDialogRequest& request) override;
  std::optional<FolderItem> saveDialog(const FileDialogRequest& request) override;
  std::optional<FolderItem> documentsFolder() const override { return documents; }

  std::vector<std::string> messages;
  std::vector<Window*> shown;  // every showWindow call, in order
  std::vector<FileDialogRequest> dialogRequests;
  // Answers of the next dialogs, oldest first; an empty optional is a cancel, and a dialog with
  // no answer left is cancelled.
  std::deque<std::optional<FolderItem>> dialogAnswers;
  std::optional<FolderItem> documents;
  std::function<void()> onYield;
  int yields = 0;

 private:
  std::optional<FolderItem> answer(const FileDialogRequest& request);
};

}  // namespace fw
