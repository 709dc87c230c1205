#include "window.h"

#include "runtime.h"

namespace fw {

Window::Window() = default;
Window::~Window() = default;

void Window::build() {
  if (built_) return;
  built_ = true;
  open_ = true;
  Layout(frame_);
  CreateControls();
  AddMenuHandlers();
  // Open events run after every control exists, so an Open handler may read any control.
  for (const auto& control : controls_) control->raise(Event::Open);
  Event_Open();
  if (frame_.Visible) Show();
}

void Window::setTitle(std::string title) {
  frame_.Title = std::move(title);
  if (observer_ != nullptr) observer_->titleChanged(*this);
}

Control* Window::findControl(std::string_view name, int index) const noexcept {
  const auto [first, last] = byName_.equal_range(name);
  for (auto it = first; it != last; ++it) {
    if (it->second->Index() == index) return it->second;
  }
  return nullptr;
}

Control& Window::control(std::string_view name, int index) const {
  if (Control* found = findControl(name, index)) return *found;
  std::string what = "No control " + std::string(name);
  if (index != kNoIndex) what += "(" + std::to_string(index) + ")";
  throw NilObjectException(what);
}

Control& Window::addControl(ControlSpec props) {
  switch (props.kind) {
    case ControlKind::EditField:
      return addControl<EditField>(std::move(props));
    case ControlKind::PopupMenu:
      return addControl<PopupMenu>(std::move(props));
    case ControlKind::ComboBox:
      return addControl<ComboBox>(std::move(props));
    case ControlKind::CheckBox:
      return addControl<CheckBox>(std::move(props));
    case ControlKind::PushButton:
      return addControl<PushButton>(std::move(props));
    case ControlKind::StaticText:
      return addControl<StaticText>(std::move(props));
    case ControlKind::HTMLViewer:
      break;
  }
  return addControl<HTMLViewer>(std::move(props));
}

void Window::adopt(std::unique_ptr<Control> control) {
  byName_.emplace(control->Name(), control.get());
  controls_.push_back(std::move(control));
}

void Window::addMenuHandler(std::string itemName, std::function<bool()> handler) {
  menuHandlers_[std::move(itemName)] = std::move(handler);
}

bool Window::hasMenuHandler(std::string_view itemName) const {
  return menuHandlers_.find(itemName) != menuHandlers_.end();
}

bool Window::handleMenu(std::string_view itemName) {
  const auto it = menuHandlers_.find(itemName);
  if (it == menuHandlers_.end()) return false;
  const auto handler = it->second;  // the handler may close this window
  return handler();
}

void Window::Show() {
  if (!open_) return;
  shown_ = true;
  Runtime& runtime = Runtime::current();
  runtime.activated(*this);
  runtime.backend().showWindow(*this);
}

void Window::Close() {
  if (!open_) return;
  open_ = false;
  Runtime& runtime = Runtime::current();
  if (shown_) runtime.backend().closeWindow(*this);
  observer_ = nullptr;
  runtime.release(*this);
}

}  // namespace fw
