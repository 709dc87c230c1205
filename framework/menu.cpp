#include "menu.h"

#include "exceptions.h"

namespace fw {

MenuRole MenuItem::role() const noexcept {
  // The framework serves the standard Edit items by their names.
  if (Name == "EditUndo") return MenuRole::Undo;
  if (Name == "EditCut") return MenuRole::Cut;
  if (Name == "EditCopy") return MenuRole::Copy;
  if (Name == "EditPaste") return MenuRole::Paste;
  if (Name == "EditClear") return MenuRole::Clear;
  if (Name == "EditSelectAll") return MenuRole::SelectAll;
  return MenuRole::Command;
}

void MenuItem::Append(std::unique_ptr<MenuItem> item) { children_.push_back(std::move(item)); }

MenuItem& MenuItem::Item(int position) const {
  if (position < 0 || position >= Count()) {
    throw OutOfBoundsException("Menu item " + std::to_string(position) + " outside the menu");
  }
  return *children_[static_cast<size_t>(position)];
}

MenuItem* MenuItem::Child(std::string_view name) const noexcept {
  for (const auto& child : children_) {
    if (child->Name == name) return child.get();
    if (MenuItem* found = child->Child(name)) return found;
  }
  return nullptr;
}

}  // namespace fw
