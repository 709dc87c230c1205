// File > Open, File > Save and documents handed to the application, on the headless backend with
// a temporary folder: a saved form comes back whole, the dialogs get their texts, and every
// failure is shown while the old file and the form stay as they were.

#include "generate/filecommands.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <set>

#include "framework/encoding.h"
#include "generate/attributetext.h"
#include "generate/go.h"
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

// What a folder holds, by name.
std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

// Every save case: what is on disk before, where the dialog's answer points, the second line of
// the message (none when the save succeeds) and what is on disk afterwards. The file name always
// becomes the name chosen, the title stays, and the folder never keeps a temporary file.
TEST_F(FileCommands, SaveCases) {
  set({"ValueSuffixPU=1", "RefDesPreCB=R", "StopEF=11"});
  go();
  const std::string saved = fw::ToMacRoman(output()).bytes;
  const bool root = geteuid() == 0;
  constexpr uid_t kOtherUser = 4321;
  constexpr gid_t kOtherGroup = 8765;
  const std::string longest = std::string(251, 'n') + ".txt";  // 255 bytes, the system's limit
  struct Row {
    const char* what;
    std::function<fs::path()> prepare;  // makes what the row needs; gives the dialog's answer
    std::string reason;                 // the message's second line; "?" any; empty: saved
    std::string created;                // the name the save adds to the folder
    std::function<void()> check;        // what must be on disk afterwards
  };
  fs::create_directory(folder / "sub");
  const std::vector<Row> rows = {
      {"a new file", [&] { return folder / "new.txt"; }, "", "new.txt",
       [&] { EXPECT_EQ(slurp(folder / "new.txt"), saved); }},
      {"a name of 255 bytes", [&] { return folder / longest; }, "", longest,
       [&] { EXPECT_EQ(slurp(folder / longest), saved); }},
      // Only the superuser can give a file to another user; others check that the save keeps
      // their own.
      {"a file of another user, saved by the superuser",
       [&] {
         write(folder / "theirs.txt", "old");
         if (root) {
           EXPECT_EQ(chown((folder / "theirs.txt").c_str(), kOtherUser, kOtherGroup), 0);
         }
         return folder / "theirs.txt";
       },
       "", "",
       [&] {
         EXPECT_EQ(slurp(folder / "theirs.txt"), saved);
         struct stat info {};
         ASSERT_EQ(stat((folder / "theirs.txt").c_str(), &info), 0);
         EXPECT_EQ(info.st_uid, root ? kOtherUser : geteuid());
         EXPECT_EQ(info.st_gid, root ? kOtherGroup : getegid());
       }},
      {"a read-only file",
       [&] {
         write(folder / "kept.txt", "precious");
         fs::permissions(folder / "kept.txt", fs::perms::owner_read | fs::perms::group_read);
         return folder / "kept.txt";
       },
       "Permission denied", "",
       [&] {
         EXPECT_EQ(slurp(folder / "kept.txt"), "precious");
         EXPECT_EQ(fs::status(folder / "kept.txt").permissions(),
                   fs::perms::owner_read | fs::perms::group_read);
       }},
      {"a link to a file",
       [&] {
         write(folder / "real.txt", "old");
         fs::create_symlink("real.txt", folder / "link.txt");
         return folder / "link.txt";
       },
       "", "",
       [&] {
         EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
         EXPECT_EQ(slurp(folder / "real.txt"), saved);
       }},
      {"a link whose file does not exist yet",
       [&] {
         fs::create_symlink("later.txt", folder / "ahead.txt");
         return folder / "ahead.txt";
       },
       "", "later.txt",
       [&] {
         EXPECT_TRUE(fs::is_symlink(folder / "ahead.txt"));
         EXPECT_EQ(slurp(folder / "later.txt"), saved);
       }},
      {"a link into a missing folder",
       [&] {
         fs::create_symlink(folder / "missing" / "x.txt", folder / "stray.txt");
         return folder / "stray.txt";
       },
       "No such file or directory", "",
       [&] { EXPECT_EQ(fs::read_symlink(folder / "stray.txt"), folder / "missing" / "x.txt"); }},
      {"a folder as the target", [&] { return folder / "sub"; }, "Is a directory", "",
       [&] { EXPECT_TRUE(fs::is_empty(folder / "sub")); }},
      {"a device as the target", [] { return fs::path("/dev/null"); }, "not a regular file", "",
       [] {}},
      {"a folder that vanished", [&] { return folder / "gone" / "x.txt"; },
       "No such file or directory", "", [] {}},
      {"a folder nobody can write to", [] { return fs::path("/proc/quillex.txt"); }, "?", "",
       [] { EXPECT_FALSE(fs::exists("/proc/quillex.txt")); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    backend.messages.clear();
    const fs::path target = row.prepare();
    std::set<std::string> names = namesIn(folder);
    save(target);
    if (row.reason.empty()) {
      EXPECT_EQ(backend.messages, std::vector<std::string>{});
    } else {
      ASSERT_EQ(backend.messages.size(), 1u);
      const std::string first = "The text file could not be created.\n";
      EXPECT_TRUE(backend.messages[0].starts_with(first)) << backend.messages[0];
      if (row.reason != "?") {
        EXPECT_EQ(backend.messages[0], first + row.reason);
      }
    }
    if (!row.created.empty()) names.insert(row.created);
    EXPECT_EQ(namesIn(folder), names);
    EXPECT_EQ(app().FileName, target.filename());
    EXPECT_EQ(w().Title(), "Untitled");
    row.check();
  }

  // A disk that takes only a few bytes (a file-size limit, which binds the superuser too).
  backend.messages.clear();
  const std::set<std::string> names = namesIn(folder);
  struct rlimit previousLimit {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = previousLimit;
  small.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  save(folder / "real.txt");
  setrlimit(RLIMIT_FSIZE, &previousLimit);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(backend.messages,
            std::vector<std::string>{"The text file could not be created.\nFile too large"});
  EXPECT_EQ(slurp(folder / "real.txt"), saved);
  EXPECT_EQ(namesIn(folder), names);

  // Characters Mac Roman lacks: refused before the dialog, which is never shown.
  backend.messages.clear();
  const size_t dialogs = backend.dialogRequests.size();
  w().TestEF().setText("R1\t☃ and ☃, 😀\n");
  EXPECT_TRUE(FileSave_Action(w()));
  EXPECT_EQ(backend.dialogRequests.size(), dialogs);
  EXPECT_EQ(backend.messages,
            std::vector<std::string>{"The text file could not be created.\nMac Roman has no "
                                     "character for \"☃\", \"😀\"; nothing was written."});
  EXPECT_EQ(app().FileName, "real.txt");
  EXPECT_EQ(namesIn(folder), names);
}

// Every open case: a file that becomes the document (its name in the title and the file state,
// its form restored), and files that are refused with a message, leaving the form, the title and
// the file state as they were.
TEST_F(FileCommands, OpenCases) {
  const std::string formText =
      "*_Param_A\t1\t1\t10\t20\tLP\tLS\tFalse\t\t 1%\tR\tFormat 1.02\t1\n\n\n";
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37 + 128) % 256 | 0x80);
  const std::string notText = "The selected file is not a text file.";
  const std::string noForm = "The selected file holds no Quillex form.";
  struct Row {
    std::string name;
    std::string bytes;
    std::string message;  // empty: the file becomes the document
  };
  const std::vector<Row> rows = {
      {"bom.txt", "\xEF\xBB\xBF" + formText, ""},
      {"R\xE9sistance.txt", formText, ""},  // a name that is not UTF-8
      {"notes.txt", "Shopping\nmilk\nbread\n", noForm},
      {"two-lines.txt", "*_Param_A\t1\t2\t3\t4\t5\t6\n*_Area_A", noForm},
      {"binary.bin", binary, noForm},
      {"nul.bin", std::string("*_Param_A\t1\t2\t3\t4\t5\t6\t7\0\n\n\n", 27), notText},
      {"folder", "", notText + "\nIs a directory"},
      {"missing.txt", "", notText + "\nNo such file or directory"},
      {"huge.txt", "", notText + "\nIt is larger than the 64 MB of the longest text Go writes."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    backend.messages.clear();
    const fs::path file = folder / row.name;
    if (row.name == "folder") {
      fs::create_directory(file);
    } else if (row.name == "huge.txt") {
      write(file, formText);
      fs::resize_file(file, generate::kMaxTextBytes + 1);  // sparse: nothing more is written
    } else if (row.name != "missing.txt") {
      write(file, row.bytes);
    }
    const auto before = form();
    const std::string title = w().Title();
    const std::string name = app().FileName;
    const std::optional<fw::FolderItem> path = app().fpath;
    backend.dialogAnswers.push_back(fw::FolderItem(file));
    EXPECT_TRUE(FileOpen_Action(w()));
    if (row.message.empty()) {
      EXPECT_EQ(backend.messages, std::vector<std::string>{});
      EXPECT_EQ(w().StopEF().Text(), "20");
      EXPECT_EQ(w().LibPreEF().Text(), "LP");
      EXPECT_EQ(w().Title(), row.name);
      EXPECT_EQ(app().FileName, row.name);
      EXPECT_EQ(app().fpath, fw::FolderItem(folder));
      w().StopEF().setText("30");
    } else {
      EXPECT_EQ(backend.messages, std::vector<std::string>{row.message});
      EXPECT_EQ(form(), before);
      EXPECT_EQ(w().Title(), title);
      EXPECT_EQ(app().FileName, name);
      EXPECT_EQ(app().fpath, path);
    }
  }
}

}  // namespace
