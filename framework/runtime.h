#pragma once

// The running framework: the backend in use, the application object, the open windows with one
// implicit instance per window class, menu command dispatch, and the handling of exceptions
// that escape the program's handlers. One Runtime exists at a time (the program makes it in
// main, a test in its fixture); the free functions below reach the current one.

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "application.h"
#include "backend.h"
#include "filetype.h"
#include "window.h"

namespace fw {

class Runtime {
 public:
  explicit Runtime(Backend& backend);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // The runtime in force; raises RuntimeException when there is none.
  static Runtime& current();
  // The runtime in force, or null.
  static Runtime* currentOrNull() noexcept;

  Backend& backend() const noexcept { return backend_; }

  void setApplication(std::unique_ptr<Application> application);

  // The document types the application declares; they last as long as the runtime.
  void declareFileType(FileType type) { fileTypes_.push_back(std::move(type)); }
  const std::vector<FileType>& fileTypes() const noexcept { return fileTypes_; }
  Application* application() const noexcept { return application_.get(); }

  // The open window of class `type`, if any.
  Window* findWindow(std::type_index type) const noexcept;
  // The open windows, in the order they were opened.
  std::vector<Window*> windows() const;
  // The window the user worked in last (the last one shown or activated).
  Window* frontWindow() const noexcept;
  void activated(Window& window) noexcept;

  // Registers a window as the implicit instance of its class; the runtime keeps it alive until
  // it is closed.
  void adopt(std::shared_ptr<Window> window);
  // Drops a closed window. It is destroyed once no handler can be running on it any more.
  void release(Window& window);
  // Destroys the windows closed so far; the backend calls it when the event loop is idle.
  void collectClosed() noexcept;

  // A menu command chosen in `origin` (may be null): the quit item quits; any other item goes to
  // the first of `origin`, then the other open windows, newest first, that has a handler for it,
  // else to the application. Returns what that handler answered (false when nobody had one).
  bool dispatchMenu(std::string_view itemName, Window* origin);
  // A document handed to the running application.
  void openDocument(const FolderItem& item);

  void run();
  void quit();

  // Runs `action`; an exception that escapes it is shown in a message box and the program goes
  // on. Every call from the event loop into the program passes through here.
  void guard(const std::function<void()>& action) noexcept;
  // The message shown for an exception that escaped a handler.
  static std::string describe(const std::exception& error);

 private:
  Backend& backend_;
  std::unique_ptr<Application> application_;
  std::vector<FileType> fileTypes_;
  std::vector<std::shared_ptr<Window>> windows_;
  std::vector<std::shared_ptr<Window>> closed_;
  Window* front_ = nullptr;
  Runtime* previous_ = nullptr;
};

// The implicit instance of window class W: the open one, or a new one built (and shown, when its
// frame is visible) and registered.
template <class W>
W& implicitInstance() {
  Runtime& runtime = Runtime::current();
  if (Window* open = runtime.findWindow(typeid(W))) return static_cast<W&>(*open);
  auto window = std::make_shared<W>();
  W& ref = *window;
  runtime.adopt(window);
  try {
    ref.build();
  } catch (...) {
    runtime.release(ref);
    throw;
  }
  return ref;
}

// Lets the user interface repaint during a long handler; delivers no user input. Does nothing
// when no framework is running.
void Yield();
// Shows `text` in a modal message box.
void MsgBox(const std::string& text);

}  // namespace fw
