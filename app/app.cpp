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

void App::Event_OpenDocument(const fw::FolderItem& /*item*/) { form::Window1::Instance(); }

bool App::handleMenu(std::string_view itemName) {
  if (itemName != "FileOpen") return false;
  return form::Window1::Instance().FileOpen_Action();
}

}  // namespace quillex
