#include "form/window1.h"

#include "form/menubar1.h"
#include "form/staticattr.h"
#include "framework/runtime.h"
#include "framework/text.h"

namespace form {

FormApplication* FormApplication::current() noexcept {
  fw::Runtime* runtime = fw::Runtime::currentOrNull();
  return runtime != nullptr ? dynamic_cast<FormApplication*>(runtime->application()) : nullptr;
}

const FormCommands& commands() {
  static const FormCommands kNone;
  const auto* app = FormApplication::current();
  return app != nullptr ? app->Commands : kNone;
}

Window1::Window1() = default;
Window1::~Window1() = default;

Window1& Window1::Instance() { return fw::implicitInstance<Window1>(); }

void Window1::Layout(fw::WindowSpec& frame) {
  // The framework's defaults for the rest: resizable up to 32000 x 32000, close and minimize
  // buttons, visible with its menu bar (the one menu bar, built here if nothing has built it).
  frame = {.Width = 1009,
           .Height = 709,
           .MinWidth = 1005,
           .MinHeight = 400,
           .Title = "Untitled",
           .MaximizeButton = false,
           .MenuBar = MenuBar1::Instance()};
}

void Window1::AddMenuHandlers() {
  addMenuHandler("FileOpen", [this] { return FileOpen_Action(); });
  addMenuHandler("FileSave", [this] { return FileSave_Action(); });
  addMenuHandler("WindowsStaticAttributes", [this] { return WindowsStaticAttributes_Action(); });
}

void Window1::Event_Open() {
  // The column separators of the device line, and its line end.
  const std::string tab = fw::ChrB(9);
  for (int cell : {3, 7, 9, 11, 15, 17, 19, 21, 25, 27, 29, 31}) OutputLineArray[cell] = tab;
  LastSource = 33;
  for (int cell : {35, 37, 39, 41, 43, 45}) OutputLineArray[cell] = tab;
  EndOfOutLineArray = 47;
  OutputLineArray[EndOfOutLineArray] = std::string(fw::EndOfLine);
}

void Window1::PushButton1_Action() {
  // Copies: a command may replace the application object while it runs.
  if (const auto go = commands().go) go(*this);
}

bool Window1::FileOpen_Action() {
  const auto open = commands().fileOpen;
  return open ? open(*this) : false;
}

bool Window1::FileSave_Action() {
  const auto save = commands().fileSave;
  return save ? save(*this) : false;
}

bool Window1::WindowsStaticAttributes_Action() {
  StaticAttr::Instance().Show();
  return true;
}

}  // namespace form
