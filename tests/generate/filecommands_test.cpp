// File > Open, File > Save and documents handed to the application, on the headless backend with
// a temporary folder: a saved form comes back whole, the dialogs get their texts, and every
// failure is shown while the old file and the form stay as they were.

#include "generate/filecommands.h"

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "framework/encoding.h"
#include "generate/attributetext.h"
#include "gotest.h"
#include "tempfolder.h"

namespace {

namespace fs = std::filesystem;
using generate::FileOpen_Action;
using generate::FileSave_Action;

class FileCommands : public GoTest {
 protected:
  form::FormApplication& app() { return *form::FormApplication::current(); }
  // Saves through the dialog, answered with `path`.
  void save(const fs::path& path) {
    backend.dialogAnswers.push_back(fw::FolderItem(path));
    EXPECT_TRUE(FileSave_Action(w()));
  }
  // Opens through the dialog, answered with `path`, into a fresh pair of windows.
  void openFresh(const fs::path& path) {
    w().Close();
    form::StaticAttr::Instance().Close();
    backend.dialogAnswers.push_back(fw::FolderItem(path));
    EXPECT_TRUE(FileOpen_Action(w()));
  }
  // What every value control of both windows holds, by name.
  std::vector<std::string> form() {
    std::vector<std::string> values;
    for (const fw::Window* window : {static_cast<fw::Window*>(&w()),
                                     static_cast<fw::Window*>(&form::StaticAttr::Instance())}) {
      for (const auto& control : window->controls()) {
        if (control->Name() == "TestEF") continue;
        const std::string text = generate::fieldText(*control);
        values.push_back(control->Name() + std::to_string(control->Index()) + "=" + text +
                         (control->Enabled() ? "" : " (disabled)"));
      }
    }
    return values;
  }

  testing_support::TempFolder temp;
  const fs::path& folder = temp.path;
};

using testing_support::slurp;
const auto write = testing_support::spill;

// Forms over every unit, series, value format, marking and check-box state, with empty and
// full static attributes and characters beyond ASCII: Go, Save, Open into fresh windows gives
// back every control, and Go then writes the same text byte for byte.
TEST_F(FileCommands, ASavedFormComesBackWhole) {
  for (int k = 0; k < 17; ++k) {
    SCOPED_TRACE("form " + std::to_string(k));
    const auto n = [&](int i) { return std::to_string(i); };
    set({"RefDesPreCB=" + std::string(k % 2 ? "R" : "Ω-"), "SeriesPU=" + n(k % 8),
         "ValueSuffixPU=" + n(1 + k % 7), "PreLOCB=" + std::string(k % 4 >= 2 ? "True" : "False"),
         "PrefixPNCB=" + std::string(k % 2 ? "True" : "False"), "LibPreEF=µ±°-" + n(k),
         "ValSufEF= ±1%", "ManufCB(1)=" + std::string(k % 3 ? "Vishay" : ""),
         "SpiceParamEF=tc=" + n(k), "LengthEF(2)=" + n(k), "WidthEF(0)=2.5"});
    for (int i = 0; i < 3; ++i) {
      set({"ValFmtPU(" + n(i) + ")=" + n((k + 6 * i) % 17), "MrkPU(" + n(i) + ")=" + n((k + i) % 4),
           "SigDigEF(" + n(i) + ")=" + n(1 + i), "IndexStartEF(" + n(i) + ")=" + n(10 * k)});
    }
    if (k % 2) {
      set({"StaticAttr.CategoryCB=IND", "StaticAttr.CelsiusMinEF=-55 °C",
           "StaticAttr.DescriptionEF=Résistance ±1 %", "StaticAttr.URLEF=ignored"});
    }
    set({"StartEF=1", "StopEF=4"});
    go();
    const std::string text = output();
    const auto before = form();
    const fs::path file = folder / ("form" + n(k) + ".txt");
    save(file);
    EXPECT_TRUE(backend.messages.empty());
    EXPECT_EQ(fw::FromMacRoman(slurp(file)), text);  // the file holds the text in Mac Roman
    openFresh(file);
    EXPECT_TRUE(output().empty());
    auto after = form();
    // The Static Attributes window's own viewer address is not part of the text.
    for (size_t i = 0; i < before.size() && i < after.size(); ++i) {
      if (before[i].starts_with("URLEF")) after[i] = before[i];
    }
    EXPECT_EQ(after, before);
    go();
    gotest::expectSameText(output(), text);
    EXPECT_EQ(w().Title(), "form" + n(k) + ".txt");
    form::StaticAttr::Instance().Close();
  }
}

TEST_F(FileCommands, DialogTextsAndSuggestedNames) {
  backend.documents = fw::FolderItem(folder);
  // Nothing generated yet: the warning name, and an empty file.
  save(folder / "empty.txt");
  EXPECT_EQ(slurp(folder / "empty.txt"), "");
  ASSERT_EQ(backend.dialogRequests.size(), 1u);
  EXPECT_EQ(backend.dialogRequests[0].suggestedFileName, " ** WARNING **    Empty File");
  EXPECT_EQ(backend.dialogRequests[0].suggestedFileName.size(), 28u);
  EXPECT_EQ(backend.dialogRequests[0].promptText,
            "File of Attribute values for Torvane script Quillex");
  EXPECT_FALSE(backend.dialogRequests[0].initialFolder);

  set({"ValueSuffixPU=1", "RefDesPreCB=R", "StopEF=11"});
  go();
  save(folder / "first.txt");
  openFresh(folder / "first.txt");
  EXPECT_EQ(backend.dialogRequests[2].title, "Select a text file");
  EXPECT_EQ(backend.dialogRequests[2].initialFolder, fw::FolderItem(folder));
  // Opening empties the output: the warning name again; after Go, the opened file's name in its
  // folder; the title stays the opened file's.
  save(folder / "second.txt");
  EXPECT_EQ(backend.dialogRequests[3].suggestedFileName, " ** WARNING **    Empty File");
  go();
  save(folder / "third.txt");
  EXPECT_EQ(backend.dialogRequests[4].suggestedFileName, "second.txt");
  EXPECT_EQ(backend.dialogRequests[4].initialFolder, fw::FolderItem(folder));
  EXPECT_EQ(app().FileName, "third.txt");
  EXPECT_EQ(w().Title(), "first.txt");
}

// A cancelled dialog changes nothing, and File > Open asks once: the command ends with the
// window that has a handler for it.
TEST_F(FileCommands, CancelledDialogs) {
  set({"StartEF=5"});
  EXPECT_TRUE(runtime.dispatchMenu("FileSave", &w()));
  EXPECT_FALSE(runtime.dispatchMenu("FileOpen", &w()));
  EXPECT_EQ(backend.dialogRequests.size(), 2u);
  EXPECT_EQ(w().StartEF().Text(), "5");
  EXPECT_EQ(w().Title(), "Untitled");
  EXPECT_EQ(app().FileName, "");
  EXPECT_FALSE(app().fpath);
}

// Each failure shows its message; the file already there and the form stay as they were.
TEST_F(FileCommands, SaveFailuresKeepTheOldFile) {
  set({"ValueSuffixPU=1", "RefDesPreCB=R", "StopEF=11"});
  go();
  const fs::path old = folder / "old.txt";
  write(old, "precious");
  struct Row {
    const char* what;
    fs::path target;
    std::string text;  // the output field's text; empty: Go's
  };
  fs::create_directory(folder / "sub");
  const std::vector<Row> rows = {
      {"a folder as the target", folder / "sub", ""},
      {"a device as the target", "/dev/null", ""},
      {"a folder that vanished", folder / "gone" / "x.txt", ""},
      {"a folder nobody can write to", "/proc/quillex.txt", ""},
      {"characters Mac Roman lacks", old, "R1\t☃ and ☃, 😀\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    backend.messages.clear();
    if (!row.text.empty()) w().TestEF().setText(row.text);
    save(row.target);
    ASSERT_EQ(backend.messages.size(), 1u);
    EXPECT_TRUE(backend.messages[0].starts_with("The text file could not be created.\n"))
        << backend.messages[0];
  }
  EXPECT_NE(backend.messages[0].find("\"☃\", \"😀\"; nothing was written"), std::string::npos)
      << backend.messages[0];
  EXPECT_EQ(slurp(old), "precious");

  // A disk that takes only a few bytes (a file-size limit, which binds root too).
  backend.messages.clear();
  go();
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  save(old);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_TRUE(backend.messages[0].starts_with("The text file could not be created.\n"));
  EXPECT_EQ(slurp(old), "precious");
}

// Files that are not attribute-value texts leave the form as it was, without a crash or a hang;
// files that are not text at all, or cannot be read, say so. The title names the file either way.
TEST_F(FileCommands, OpeningFilesThatAreNotAttributeValueTexts) {
  struct Row {
    const char* name;
    std::string bytes;
    bool message;
  };
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37 + 128) % 256 | 0x80);
  std::string large(50 << 20, 'x');
  for (size_t i = 0; i < large.size(); i += 97) large[i] = '\t';
  const std::vector<Row> rows = {
      {"nul.bin", std::string("*_Param_A\t1\t2\t3\t4\t5\t6\t7\0\n\n\n", 27), true},
      {"binary.bin", binary, false},
      {"large.txt", large, false},
      {"two-lines.txt", "*_Param_A\t1\t2\t3\t4\t5\t6\n*_Area_A", false},
      {"unreadable", "", true},  // a folder
  };
  const auto before = form();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    backend.messages.clear();
    const fs::path file = folder / row.name;
    if (std::string(row.name) == "unreadable") {
      fs::create_directory(file);
    } else {
      write(file, row.bytes);
    }
    backend.dialogAnswers.push_back(fw::FolderItem(file));
    EXPECT_TRUE(FileOpen_Action(w()));
    ASSERT_EQ(backend.messages.size(), row.message ? 1u : 0u);
    if (row.message) {
      EXPECT_TRUE(backend.messages[0].starts_with("The selected file is not a text file."));
    }
    EXPECT_EQ(form(), before);
    EXPECT_EQ(w().Title(), row.name);
    EXPECT_EQ(app().FileName, row.name);
  }
}

}  // namespace
