#pragma once

// The Qt 6 Widgets backend of the framework: one top-level window per model window, the event
// loop, the yield, message boxes and file dialogs.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

#include "framework/backend.h"

namespace qtui {

class WindowView;

class QtBackend : public fw::Backend {
 public:
  QtBackend();
  ~QtBackend() override;

  void showWindow(fw::Window& window) override;
  void closeWindow(fw::Window& window) override;
  void runEventLoop() override;
  void quitEventLoop() override;
  void yieldToEventLoop() override;
  void messageBox(const std::string& text) override;
  std::optional<fw::FolderItem> openDialog(const fw::FileDialogRequest& request) override;
  std::optional<fw::FolderItem> saveDialog(const fw::FileDialogRequest& request) override;
  std::optional<fw::FolderItem> documentsFolder() const override;

  // The view that draws `window`, if it is shown.
  WindowView* viewOf(const fw::Window& window) const;

  // Tests replace the modal message box (which would wait for a click) with their own.
  std::function<void(const std::string&)> messageBoxOverride;

 private:
  QWidget* dialogParent() const;
  // The part of the yield that reads the clock and, when it is time, processes events.
  void yieldByClock();
  void collectClosedWhenIdle();

  std::map<const fw::Window*, QPointer<WindowView>> views_;
  // The yield reads the clock only every callsPerCheck_ calls (1 to 64, adapted to the pace of
  // the calls so that it reads it about once a millisecond), so a yield with nothing to do costs
  // a countdown; the times below are nanoseconds since the backend started.
  QElapsedTimer clock_;
  qint64 lastCheck_ = 0;
  qint64 lastEvents_ = 0;
  int callsPerCheck_ = 1;
  int callsUntilCheck_ = 1;
  bool quitRequested_ = false;
  int yieldDepth_ = 0;  // processEvents calls of yields under way
  // The receiver of the backend's own queued calls, which go with the backend.
  QObject calls_;
};

}  // namespace qtui
