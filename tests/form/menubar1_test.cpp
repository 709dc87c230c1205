#include "form/menubar1.h"

#include <string>

#include "formtest.h"

namespace {

// The File menu holds Open, Save and Quit, the Edit menu eight entries with separators after Undo
// and after Delete, the Windows menu one item. Every item reaches its command: the framework's
// quit or text editing, or the main window's handler registered under the item's name. The main
// window shows the one menu bar even with no application object.
TEST_F(Window1Test, EveryMenuItemReachesItsCommand) {
  const auto bar = form::MenuBar1::Instance();
  EXPECT_EQ(w.frame().MenuBar, bar);
  const char* menus[][2] = {
      {"FileMenu", "FileOpen FileSave FileQuit"},
      {"EditMenu", "EditUndo - EditCut EditCopy EditPaste EditClear - EditSelectAll"},
      {"WindowsMenu", "WindowsStaticAttributes"}};
  ASSERT_EQ(bar->Count(), 3);
  for (int m = 0; m < 3; ++m) {
    const fw::MenuItem& menu = bar->Item(m);
    EXPECT_EQ(menu.Name, menus[m][0]);
    std::string names;
    for (int i = 0; i < menu.Count(); ++i) {
      const fw::MenuItem& item = menu.Item(i);
      names += (i > 0 ? " " : "") + (item.isSeparator() ? "-" : item.Name);
      EXPECT_TRUE(item.AutoEnable) << item.Name;
      if (item.isSeparator()) continue;
      EXPECT_TRUE(item.role() != fw::MenuRole::Command || w.hasMenuHandler(item.Name)) << item.Name;
    }
    EXPECT_EQ(names, menus[m][1]);
  }
  EXPECT_EQ(form::MenuBar1::Instance(), bar);
}

}  // namespace
