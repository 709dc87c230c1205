// The program started headless: the document type, documents and file commands that find the
// main window closed, and a start-up that fails.

#include "startup.h"

#include <gtest/gtest.h>

#include "app.h"
#include "form/menubar1.h"
#include "form/staticattr.h"
#include "form/window1.h"
#include "framework/exceptions.h"
#include "framework/headlessbackend.h"
#include "tempfolder.h"

namespace {

class Started : public ::testing::Test {
 protected:
  Started() { quillex::StartUp(runtime); }
  form::Window1& main() { return form::Window1::Instance(); }
  fw::HeadlessBackend backend;
  fw::Runtime runtime{backend};
};

// Plain text is the one document type, declared for the whole run. A cancelled File > Open asks
// once, chosen in either window: the main window's handler ends the command, and neither
// another window nor the application takes it up again.
TEST_F(Started, DeclaresPlainTextAndACancelledOpenShowsOneDialog) {
  EXPECT_TRUE(backend.messages.empty());
  ASSERT_EQ(runtime.fileTypes().size(), 1u);
  EXPECT_EQ(runtime.fileTypes()[0].Name, "text/plain");
  EXPECT_NE(runtime.fileTypes()[0].Extensions.find(";.txt"), std::string::npos);
  EXPECT_FALSE(runtime.dispatchMenu("FileOpen", &main()));
  EXPECT_EQ(backend.dialogRequests.size(), 1u);
  ASSERT_TRUE(runtime.dispatchMenu("WindowsStaticAttributes", &main()));
  EXPECT_FALSE(runtime.dispatchMenu("FileOpen", &form::StaticAttr::Instance()));
  EXPECT_EQ(backend.dialogRequests.size(), 2u);
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

// A backend that counts the event loops it runs, and cannot show a window when broken.
class CountingBackend : public fw::HeadlessBackend {
 public:
  explicit CountingBackend(bool broken) : broken_(broken) {}
  void showWindow(fw::Window& window) override {
    if (broken_) throw fw::RuntimeException("No display");
    HeadlessBackend::showWindow(window);
  }
  void runEventLoop() override { ++loops; }
  int loops = 0;

 private:
  bool broken_;
};

// A start-up that fails shows its error and ends the program: no event loop runs without a
// window to work in, and no document is handed over. A good one reads the documents named on
// the command line into the main window, whose title names the file.
TEST(Main, AFailedStartUpIsShownAndEndsTheProgram) {
  testing_support::TempFolder temp;
  const auto document = temp.path / "R1.txt";
  testing_support::spill(document, "*_Param_A\t1\t1\t10\t220\t\t\n\n\n");
  for (const bool broken : {false, true}) {
    CountingBackend backend(broken);
    fw::Runtime runtime(backend);
    EXPECT_EQ(quillex::Main(runtime, {fw::FolderItem(document)}), broken ? 1 : 0);
    EXPECT_EQ(backend.loops, broken ? 0 : 1);
    EXPECT_EQ(runtime.windows().size(), broken ? 0u : 1u);
    ASSERT_EQ(backend.messages.size(), broken ? 1u : 0u);
    if (broken) {
      EXPECT_NE(backend.messages[0].find("No display"), std::string::npos);
    } else {
      EXPECT_EQ(form::Window1::Instance().StopEF().Text(), "220");
      EXPECT_EQ(form::Window1::Instance().Title(), "R1.txt");
    }
  }
}

}  // namespace
