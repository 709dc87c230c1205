// The program started headless: documents and file commands that find the main window closed,
// and a start-up that fails.

#include "startup.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

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

// A cancelled File > Open asks once, chosen in either window: the main window's handler ends the
// command, and neither another window nor the application takes it up again.
TEST_F(Started, ACancelledOpenShowsOneDialog) {
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

// A backend that cannot show a window, and counts the event loops it runs.
class BrokenBackend : public fw::HeadlessBackend {
 public:
  void showWindow(fw::Window&) override { throw fw::RuntimeException("No display"); }
  void runEventLoop() override { ++loops; }
  int loops = 0;
};

// A start-up that fails shows its error and ends the program: no event loop runs without a
// window to work in, and no document is handed over.
TEST(Main, AFailedStartUpIsShownAndEndsTheProgram) {
  BrokenBackend backend;
  fw::Runtime runtime(backend);
  EXPECT_EQ(quillex::Main(runtime, {fw::FolderItem("/tmp/R1.txt")}), 1);
  EXPECT_EQ(backend.loops, 0);
  EXPECT_TRUE(runtime.windows().empty());
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_NE(backend.messages[0].find("No display"), std::string::npos);
}

// Under the user's file-size limit, File > Save of a text beyond it is refused with its reason:
// the program goes on, the old file stays whole and no temporary file is left.
TEST(Main, ASaveBeyondTheFileSizeLimitIsRefused) {
  testing_support::TempFolder temp;
  const std::filesystem::path file = temp.path / "R1.txt";
  testing_support::spill(file, "old");
  EXPECT_EXIT(
      {
        fw::HeadlessBackend backend;
        fw::Runtime runtime(backend);
        quillex::StartUp(runtime);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &limit);
        form::Window1::Instance().TestEF().setText(std::string(64, 'R'));
        backend.dialogAnswers.push_back(fw::FolderItem(file));
        runtime.dispatchMenu("FileSave", &form::Window1::Instance());
        const std::vector<std::string> refused = {
            "The text file could not be created.\nFile too large"};
        std::_Exit(backend.messages == refused ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(testing_support::slurp(file), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path), {}), 1);
}

}  // namespace
