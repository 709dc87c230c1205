#pragma once

// Menus of the framework model: a menu bar holds menus, a menu holds items. The framework itself
// serves the quit item and the standard text-editing items (by their names EditUndo, EditCut,
// EditCopy, EditPaste, EditClear, EditSelectAll); every other item reaches the menu handlers of
// the windows.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// What the framework does with an item on its own.
enum class MenuRole { Command, Quit, Undo, Cut, Copy, Paste, Clear, SelectAll };

class MenuItem {
 public:
  MenuItem() = default;
  virtual ~MenuItem() = default;
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  std::string Name;
  // "&" marks the mnemonic letter; "-" makes a separator.
  std::string Text;
  // As stored, e.g. "Cmd+o" or "Cmd+Q"; the empty text for none.
  std::string KeyboardShortcut;
  bool AutoEnable = false;

  bool isSeparator() const noexcept { return Text == "-"; }
  virtual MenuRole role() const noexcept;

  void Append(std::unique_ptr<MenuItem> item);
  int Count() const noexcept { return static_cast<int>(children_.size()); }
  MenuItem& Item(int position) const;
  // The child named `name`, searched depth-first; nullptr when there is none.
  MenuItem* Child(std::string_view name) const noexcept;

 private:
  std::vector<std::unique_ptr<MenuItem>> children_;
};

// The item that quits the application.
class QuitMenuItem : public MenuItem {
 public:
  MenuRole role() const noexcept override { return MenuRole::Quit; }
};

// The root of a menu bar: its children are the menus.
class MenuBar : public MenuItem {};

}  // namespace fw
