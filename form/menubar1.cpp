#include "form/menubar1.h"

namespace form {
namespace {

template <class Item = fw::MenuItem>
std::unique_ptr<fw::MenuItem> makeItem(std::string name, std::string text, std::string shortcut) {
  auto item = std::make_unique<Item>();
  item->Name = std::move(name);
  item->AutoEnable = true;
  item->Text = std::move(text);
  item->KeyboardShortcut = std::move(shortcut);
  return item;
}

// Separators get no shortcut.
std::unique_ptr<fw::MenuItem> separator(std::string name) {
  return makeItem(std::move(name), "-", "");
}

}  // namespace

std::shared_ptr<MenuBar1> MenuBar1::Instance() {
  static const std::shared_ptr<MenuBar1> instance = std::make_shared<MenuBar1>();
  return instance;
}

MenuBar1::MenuBar1() {
  Untitled0();
  Untitled1();
  Untitled2();
}

void MenuBar1::addItem(std::string_view menu, std::unique_ptr<fw::MenuItem> item) {
  Child(menu)->Append(std::move(item));
}

void MenuBar1::Untitled0() {
  Append(makeItem("FileMenu", "&File", ""));
  addItem("FileMenu", makeItem("FileOpen", "Open...", "Cmd+o"));
  addItem("FileMenu", makeItem("FileSave", "Save...", "Cmd+s"));
  addItem("FileMenu", makeItem<fw::QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
}

void MenuBar1::Untitled1() {
  Append(makeItem("EditMenu", "&Edit", ""));
  addItem("EditMenu", makeItem("EditUndo", "&Undo", "Cmd+Z"));
  addItem("EditMenu", separator("UntitledMenu1"));
  addItem("EditMenu", makeItem("EditCut", "Cu&t", "Cmd+X"));
  addItem("EditMenu", makeItem("EditCopy", "&Copy", "Cmd+C"));
  addItem("EditMenu", makeItem("EditPaste", "&Paste", "Cmd+V"));
  addItem("EditMenu", makeItem("EditClear", "&Delete", ""));
  addItem("EditMenu", separator("UntitledMenu0"));
  addItem("EditMenu", makeItem("EditSelectAll", "Select &All", "Cmd+A"));
}

void MenuBar1::Untitled2() {
  Append(makeItem("WindowsMenu", "Windows", ""));
  addItem("WindowsMenu", makeItem("WindowsStaticAttributes", "Static Attributes...", "Cmd+t"));
}

}  // namespace form
