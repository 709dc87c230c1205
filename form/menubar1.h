#pragma once

// The menu bar: File, Edit and Windows. Built once; the application and every main window show
// the same instance. The main window registers its menu handlers under the names of its items.

#include <memory>

#include "framework/menu.h"

namespace form {

class MenuBar1 : public fw::MenuBar {
 public:
  // The one menu bar, built on first use.
  static std::shared_ptr<MenuBar1> Instance();

  MenuBar1();

 private:
  void Untitled0();  // File
  void Untitled1();  // Edit
  void Untitled2();  // Windows
  // Appends an item to the menu named `menu`.
  void addItem(std::string_view menu, std::unique_ptr<fw::MenuItem> item);
};

}  // namespace form
