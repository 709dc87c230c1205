#pragma once

// The menu bar: File, Edit and Windows. Built once; the application and every main window show
// the same instance.

#include <memory>

#include "framework/menu.h"

namespace quillex {

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

}  // namespace quillex
