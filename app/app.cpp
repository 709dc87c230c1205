#include "app.h"

#include "form/window1.h"
#include "framework/exceptions.h"
#include "framework/runtime.h"

namespace quillex {

App& App::Instance() {
  auto* app = dynamic_cast<App*>(fw::Runtime::current().application());
  if (app == nullptr) throw fw::RuntimeException("The application object is not an App");
  return *app;
}

void App::Event_OpenDocument(const fw::FolderItem& /*item*/) {
  // A document always lands in a main window, a fresh one when the last was closed.
  form::Window1::Instance();
}

}  // namespace quillex
