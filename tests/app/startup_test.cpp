// The program started headless: the application object, the main window and its template, the
// Windows menu, and documents handed to the application.

#include "startup.h"

#include <gtest/gtest.h>

#include "app.h"
#include "form/window1.h"
#include "framework/headlessbackend.h"
#include "menubar1.h"

namespace {

class Started : public ::testing::Test {
 protected:
  Started() { quillex::StartUp(runtime); }
  form::Window1& main() { return form::Window1::Instance(); }
  fw::HeadlessBackend backend;
  fw::Runtime runtime{backend};
};

TEST_F(Started, RegistersTheAppAndOpensTheMainWindowWithTheSharedMenuBar) {
  EXPECT_TRUE(backend.messages.empty());
  auto& app = quillex::App::Instance();
  EXPECT_FALSE(app.fpath.has_value());
  EXPECT_EQ(app.FileName, "");
  EXPECT_EQ(app.MenuBar, quillex::MenuBar1::Instance());
  ASSERT_EQ(runtime.windows().size(), 1u);
  auto& window = main();
  EXPECT_EQ(runtime.windows()[0], &window);
  EXPECT_EQ(window.Title(), "Untitled");
  EXPECT_EQ(window.frame().Width, 1009);
  EXPECT_EQ(window.frame().Height, 709);
  EXPECT_EQ(window.frame().MinWidth, 1005);
  EXPECT_EQ(window.frame().MinHeight, 400);
  EXPECT_FALSE(window.frame().MaximizeButton);
  EXPECT_TRUE(window.frame().Resizeable);
  EXPECT_EQ(window.frame().MenuBar, quillex::MenuBar1::Instance());
  for (const char* item : {"FileOpen", "FileSave", "WindowsStaticAttributes"}) {
    EXPECT_TRUE(window.hasMenuHandler(item)) << item;
  }
}

TEST_F(Started, TheTemplateHoldsItsSeparatorsAndLineEndOnly) {
  auto& window = main();
  for (int cell : {3, 7, 9, 11, 15, 17, 19, 21, 25, 27, 29, 31, 35, 37, 39, 41, 43, 45}) {
    EXPECT_EQ(window.OutputLineArray[cell], "\t") << cell;
  }
  EXPECT_EQ(window.OutputLineArray[47], "\n");
  for (int cell : {0, 1, 2, 5, 8, 13, 18, 23, 28, 33, 38, 40, 42, 44, 46, 48, 49, 50}) {
    EXPECT_EQ(window.OutputLineArray[cell], "") << cell;
  }
  EXPECT_EQ(window.LastSource, 33);
  EXPECT_EQ(window.EndOfOutLineArray, 47);
  EXPECT_EQ(window.FirstSourceStart, 10);
  EXPECT_EQ(window.PartNumberValOffset, 3);
  EXPECT_EQ(window.SourcePitch, 10);
  EXPECT_EQ(window.RefDesPrefix, "*NONE*");
  EXPECT_EQ(window.OutputLineArray.size(), 51);
  EXPECT_EQ(window.ResCodeFormat.size(), 51);
  EXPECT_EQ(window.MrkFormat.size(), 51);
  EXPECT_EQ(window.Units.UnitMultiplier, 0.0);
  EXPECT_EQ(window.Units.UnitsSuffix, "<none>");
  EXPECT_EQ(form::Window1::Zeros.size(), 110u);
  EXPECT_EQ(form::Window1::EIA0603codes, "YXABCDEF");
  EXPECT_EQ(form::Window1::Letters.size(), 26u);
}

TEST_F(Started, QuitEndsTheEventLoop) {
  EXPECT_TRUE(runtime.dispatchMenu("FileQuit", &main()));
  EXPECT_TRUE(backend.quitRequested);
}

TEST_F(Started, ADocumentAfterTheMainWindowClosedOpensAFreshOne) {
  auto* closed = &main();
  closed->OutputLineArray[48] = "left over";
  closed->Close();
  EXPECT_TRUE(runtime.windows().empty());
  runtime.openDocument(fw::FolderItem("/tmp/R1.txt"));
  ASSERT_EQ(runtime.windows().size(), 1u);
  auto& fresh = main();
  EXPECT_EQ(fresh.OutputLineArray[48], "");
  EXPECT_EQ(fresh.OutputLineArray[47], "\n");
  EXPECT_EQ(fresh.frame().MenuBar, quillex::MenuBar1::Instance());
  EXPECT_TRUE(fresh.hasMenuHandler("FileOpen"));
}

TEST_F(Started, FileOpenWithTheMainWindowClosedReachesAFreshOne) {
  int opened = 0;
  form::Window1::setCommands({.fileOpen = [&](form::Window1&) {
    ++opened;
    return true;
  }});
  main().Close();
  EXPECT_TRUE(runtime.dispatchMenu("FileOpen", nullptr));
  EXPECT_EQ(opened, 1);
  ASSERT_EQ(runtime.windows().size(), 1u);
  // Saving needs the output of a main window: with none open there is nothing to save.
  main().Close();
  EXPECT_FALSE(runtime.dispatchMenu("FileSave", nullptr));
  EXPECT_TRUE(runtime.windows().empty());
  form::Window1::setCommands({});
}

}  // namespace
