// The program started headless: the main window's device-line template, and documents and file
// commands that find the main window closed.

#include "startup.h"

#include <gtest/gtest.h>

#include "app.h"
#include "form/menubar1.h"
#include "form/window1.h"
#include "framework/headlessbackend.h"

namespace {

class Started : public ::testing::Test {
 protected:
  Started() { quillex::StartUp(runtime); }
  form::Window1& main() { return form::Window1::Instance(); }
  fw::HeadlessBackend backend;
  fw::Runtime runtime{backend};
};

// The separators and the line end, and the cells that the Open handlers seed from the initial
// values of the form; the value-format and marking choice of each source column stand at the
// cell they govern. One line of the table per ten cells: the library name and value, then
// each source column.
TEST_F(Started, TheTemplateRightAfterStartUp) {
  EXPECT_TRUE(backend.messages.empty());
  // clang-format off
  const char* expected[51] = {
      "",               "",   "",           "\t", "",      "",   " 1%",   "\t", "", "\t",
      "Bourns",         "\t", "CR0805-FX-", "",   "ELF",   "\t", "Avnet", "\t", "", "\t",
      "Stackpole",      "\t", "RMCF1/10 ",  "",   " 1%R",  "\t", "Avnet", "\t", "", "\t",
      "NIC Components", "\t", "NRC10F",     "",   "TR10F", "\t", "Avnet", "\t", "", "\t",
      "",               "\t", "",           "\t", "",      "\t", "",      "\n", "", "",
      ""};
  // clang-format on
  for (int n = 0; n <= 50; ++n) {
    EXPECT_EQ(main().OutputLineArray[n], expected[n]) << n;
    EXPECT_EQ(main().ResCodeFormat[n], n == 13 || n == 33 ? 1 : 0) << n;
    EXPECT_EQ(main().MrkFormat[n], n == 18 || n == 28 || n == 38 ? 2 : 0) << n;
  }
  EXPECT_EQ(main().LastSource, 33);
  EXPECT_EQ(main().EndOfOutLineArray, 47);
}

// A document, or File > Open, with the main window closed lands in a fresh main window with the
// menu bar; File > Save needs the output of an open one.
TEST_F(Started, AClosedMainWindowComesBackFresh) {
  int opened = 0;
  quillex::App::Instance().Commands = {.fileOpen = [&](form::Window1&) {
    ++opened;
    return true;
  }};
  main().OutputLineArray[48] = "left over";
  main().Close();
  EXPECT_TRUE(runtime.windows().empty());
  runtime.openDocument(fw::FolderItem("/tmp/R1.txt"));
  ASSERT_EQ(runtime.windows().size(), 1u);
  EXPECT_EQ(main().OutputLineArray[48], "");
  EXPECT_EQ(main().frame().MenuBar, form::MenuBar1::Instance());

  main().Close();
  EXPECT_TRUE(runtime.dispatchMenu("FileOpen", nullptr));
  EXPECT_EQ(opened, 1);
  ASSERT_EQ(runtime.windows().size(), 1u);
  main().Close();
  EXPECT_FALSE(runtime.dispatchMenu("FileSave", nullptr));
  EXPECT_TRUE(runtime.windows().empty());
}

}  // namespace
