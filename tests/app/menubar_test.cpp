#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menubar1.h"

namespace {

struct Row {
  std::string name, text, shortcut;
  fw::MenuRole role = fw::MenuRole::Command;
};

std::vector<Row> rowsOf(const fw::MenuItem& menu) {
  std::vector<Row> rows;
  for (int i = 0; i < menu.Count(); ++i) {
    const auto& item = menu.Item(i);
    EXPECT_TRUE(item.AutoEnable) << item.Name;
    rows.push_back({item.Name, item.Text, item.KeyboardShortcut, item.role()});
  }
  return rows;
}

bool operator==(const Row& a, const Row& b) {
  return a.name == b.name && a.text == b.text && a.shortcut == b.shortcut && a.role == b.role;
}

TEST(MenuBar1, HoldsExactlyTheThreeMenusAndTheirItems) {
  const auto bar = quillex::MenuBar1::Instance();
  using fw::MenuRole;
  // clang-format off
  EXPECT_EQ(rowsOf(*bar), (std::vector<Row>{
      {"FileMenu", "&File", ""}, {"EditMenu", "&Edit", ""}, {"WindowsMenu", "Windows", ""}}));
  EXPECT_EQ(rowsOf(*bar->Child("FileMenu")), (std::vector<Row>{
      {"FileOpen", "Open...", "Cmd+o"},
      {"FileSave", "Save...", "Cmd+s"},
      {"FileQuit", "&Quit", "Cmd+Q", MenuRole::Quit}}));
  EXPECT_EQ(rowsOf(*bar->Child("EditMenu")), (std::vector<Row>{
      {"EditUndo", "&Undo", "Cmd+Z", MenuRole::Undo},
      {"UntitledMenu1", "-", ""},
      {"EditCut", "Cu&t", "Cmd+X", MenuRole::Cut},
      {"EditCopy", "&Copy", "Cmd+C", MenuRole::Copy},
      {"EditPaste", "&Paste", "Cmd+V", MenuRole::Paste},
      {"EditClear", "&Delete", "", MenuRole::Clear},
      {"UntitledMenu0", "-", ""},
      {"EditSelectAll", "Select &All", "Cmd+A", MenuRole::SelectAll}}));
  EXPECT_EQ(rowsOf(*bar->Child("WindowsMenu")), (std::vector<Row>{
      {"WindowsStaticAttributes", "Static Attributes...", "Cmd+t"}}));
  // clang-format on
  EXPECT_TRUE(bar->Child("UntitledMenu1")->isSeparator());
  EXPECT_EQ(quillex::MenuBar1::Instance(), bar);  // built once
}

}  // namespace
