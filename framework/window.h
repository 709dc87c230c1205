#pragma once

// Windows of the framework model. A window owns its controls and finds them by name, or by name
// and index for an element of a control array. Building a window runs, in order: the subclass's
// property defaults (its constructor), Layout, CreateControls, AddMenuHandlers, the Open event
// of every control that has one (in creation order), then the window's own Open event.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "control.h"
#include "exceptions.h"

namespace fw {

class MenuBar;

// The frame of a window, set by Layout.
struct WindowSpec {
  int Width = 300, Height = 300;
  int MinWidth = 64, MinHeight = 64;
  int MaxWidth = 32000, MaxHeight = 32000;
  std::string Title{};
  bool Resizeable = true;
  bool CloseButton = true, MinimizeButton = true, MaximizeButton = true;
  bool Visible = true, MenuBarVisible = true;
  std::shared_ptr<fw::MenuBar> MenuBar{};
};

// Receives every change of a window and its controls: the backend's view of the window.
class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  virtual void controlChanged(Control& control, Property property) = 0;
  virtual void titleChanged(Window& window) = 0;
  virtual void refresh(Control& control) = 0;
};

class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Runs the build steps once; shows the window when its frame is visible.
  void build();

  const WindowSpec& frame() const noexcept { return frame_; }
  const std::string& Title() const noexcept { return frame_.Title; }
  void setTitle(std::string title);

  // The controls in creation order, which is the tab order.
  const std::vector<std::unique_ptr<Control>>& controls() const noexcept { return controls_; }
  // The control named `name` (and `index`, for an element of a control array); raises
  // NilObjectException when there is none.
  Control& control(std::string_view name, int index = kNoIndex) const;
  Control* findControl(std::string_view name, int index = kNoIndex) const noexcept;
  template <class C>
  C& get(std::string_view name, int index = kNoIndex) const {
    auto* typed = dynamic_cast<C*>(&control(name, index));
    if (typed == nullptr)
      throw NilObjectException("Control " + std::string(name) + " has another kind");
    return *typed;
  }

  // Per-window menu handlers, by menu item name. A handler returns true when it handled the
  // command.
  void addMenuHandler(std::string itemName, std::function<bool()> handler);
  bool hasMenuHandler(std::string_view itemName) const;
  // Runs the handler of `itemName`; false when there is none or it did not handle the command.
  bool handleMenu(std::string_view itemName);

  // Shows the window (builds its view the first time) and brings it to the front.
  void Show();
  // Closes the window: its view goes, and the framework drops it from its open windows.
  void Close();
  bool isOpen() const noexcept { return open_; }

  void setObserver(WindowObserver* observer) noexcept { observer_ = observer; }
  WindowObserver* observer() const noexcept { return observer_; }

 protected:
  // Sets the frame properties.
  virtual void Layout(WindowSpec& frame) = 0;
  // Makes the controls with addControl, in creation order, and binds their events.
  virtual void CreateControls() = 0;
  virtual void AddMenuHandlers() {}
  virtual void Event_Open() {}

  // Makes a control of the kind its creation-time properties name and registers it; its events
  // are bound afterwards, so the initial values raise nothing.
  Control& addControl(ControlSpec props);
  // The same, for a control whose class is known.
  template <class C>
  C& addControl(ControlSpec props) {
    if (props.TabIndex < 0) props.TabIndex = static_cast<int>(controls_.size());
    auto control = std::make_unique<C>(*this, std::move(props));
    C& ref = *control;
    adopt(std::move(control));
    return ref;
  }

 private:
  void adopt(std::unique_ptr<Control> control);

  WindowSpec frame_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::multimap<std::string, Control*, std::less<>> byName_;
  std::map<std::string, std::function<bool()>, std::less<>> menuHandlers_;
  WindowObserver* observer_ = nullptr;
  bool built_ = false;
  bool open_ = false;
  bool shown_ = false;
};

}  // namespace fw
