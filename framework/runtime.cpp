#include "runtime.h"

#include <algorithm>
#include <typeinfo>

#include "exceptions.h"

namespace fw {
namespace {
Runtime* g_current = nullptr;
}  // namespace

Runtime::Runtime(Backend& backend) : backend_(backend), previous_(g_current) { g_current = this; }

Runtime::~Runtime() {
  // The windows close with this runtime in force, even when another one was made after it.
  Runtime* const inForce = g_current;
  g_current = this;
  // Windows go before the application object, as at the end of a run.
  while (!windows_.empty()) {
    const std::shared_ptr<Window> window = windows_.back();
    window->Close();
    if (!windows_.empty() && windows_.back() == window) windows_.pop_back();
  }
  closed_.clear();
  application_.reset();
  g_current = inForce == this ? previous_ : inForce;
}

Runtime& Runtime::current() {
  if (g_current == nullptr) throw RuntimeException("The framework is not running");
  return *g_current;
}

Runtime* Runtime::currentOrNull() noexcept { return g_current; }

void Runtime::setApplication(std::unique_ptr<Application> application) {
  application_ = std::move(application);
}

Window* Runtime::findWindow(std::type_index type) const noexcept {
  for (const auto& window : windows_) {
    const Window& open = *window;
    if (std::type_index(typeid(open)) == type) return window.get();
  }
  return nullptr;
}

std::vector<Window*> Runtime::windows() const {
  std::vector<Window*> result;
  for (const auto& window : windows_) result.push_back(window.get());
  return result;
}

Window* Runtime::frontWindow() const noexcept { return front_; }

void Runtime::activated(Window& window) noexcept { front_ = &window; }

void Runtime::adopt(std::shared_ptr<Window> window) { windows_.push_back(std::move(window)); }

void Runtime::release(Window& window) {
  const auto it = std::find_if(windows_.begin(), windows_.end(),
                               [&](const auto& held) { return held.get() == &window; });
  if (it == windows_.end()) return;
  closed_.push_back(*it);
  windows_.erase(it);
  if (front_ == &window) front_ = windows_.empty() ? nullptr : windows_.back().get();
}

void Runtime::collectClosed() noexcept { closed_.clear(); }

bool Runtime::dispatchMenu(std::string_view itemName, Window* origin) {
  if (application_ && application_->MenuBar) {
    if (MenuItem* item = application_->MenuBar->Child(itemName);
        item != nullptr && item->role() == MenuRole::Quit) {
      quit();
      return true;
    }
  }
  // The first window with a handler for the item takes the command, whatever its handler
  // answers: a command the user cancelled in its dialog must not run again elsewhere.
  const auto takes = [&](Window* window) {
    return window != nullptr && window->isOpen() && window->hasMenuHandler(itemName);
  };
  if (takes(origin)) return origin->handleMenu(itemName);
  // Newest first; a copy, since a handler may open or close windows.
  const auto open = windows();
  for (auto it = open.rbegin(); it != open.rend(); ++it) {
    if (*it != origin && takes(*it)) return (*it)->handleMenu(itemName);
  }
  return application_ && application_->handleMenu(itemName);
}

void Runtime::openDocument(const FolderItem& item) {
  if (application_) application_->Event_OpenDocument(item);
}

void Runtime::run() { backend_.runEventLoop(); }

void Runtime::quit() { backend_.quitEventLoop(); }

std::string Runtime::describe(const std::exception& error) {
  return std::string("An error occurred and the last command was not completed:\n") + error.what();
}

void Runtime::guard(const std::function<void()>& action) noexcept {
  try {
    action();
  } catch (const std::exception& error) {
    try {
      backend_.messageBox(describe(error));
    } catch (...) {
    }
  } catch (...) {
    try {
      backend_.messageBox("An unknown error occurred and the last command was not completed.");
    } catch (...) {
    }
  }
}

void Yield() {
  // Without a running framework (a computation used on its own) there is nothing to yield to.
  if (g_current != nullptr) g_current->backend().yieldToEventLoop();
}

void MsgBox(const std::string& text) { Runtime::current().backend().messageBox(text); }

}  // namespace fw
