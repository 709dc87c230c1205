#pragma once

// The Qt backend without a display, for programs that picture the windows: a Qt application on
// the offscreen platform that draws every window the framework shows, and saves what a window
// shows as a picture.

#include <memory>
#include <string>

#include "framework/backend.h"
#include "framework/window.h"

namespace qtui {

class OffscreenSession {
 public:
  // Starts the Qt application on the offscreen platform, whatever the environment asks for.
  // Qt takes its own options out of argc and argv.
  OffscreenSession(int& argc, char** argv);
  ~OffscreenSession();
  OffscreenSession(const OffscreenSession&) = delete;
  OffscreenSession& operator=(const OffscreenSession&) = delete;

  // The backend a framework runtime uses; it lives as long as the session, so the runtime must
  // end first. The messages the program gives go to the standard error output, since nobody
  // could close a message box.
  fw::Backend& backend() noexcept;
  // How many messages the program has given so far.
  int messageCount() const noexcept;

  // Clicks the push button `button` of `window` as the user does, through its widget; returns
  // false when the window is not shown or the control is no push button.
  bool click(const fw::Window& window, const fw::Control& button) const;
  // Runs what the event loop has waiting, drawing included, as it does once a handler is over.
  void processEvents() const;

  // Saves a PNG picture of the window as it is shown (its menu bar and content) to `file`.
  // Returns false when the window is not shown or the file cannot be written.
  bool saveImage(const fw::Window& window, const std::string& file) const;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace qtui
