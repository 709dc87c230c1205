// File > Open, File > Save and documents handed to the application, on the headless backend with
// a temporary folder: a saved form comes back whole, the dialogs get their texts, and every
// failure is shown while the old file and the form stay as they were.

#include "generate/filecommands.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <tuple>
#include <utility>

#include "fileaccess.h"
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
  // The form of both windows, as the section lines record it.
  std::string form() {
    std::string text;
    generate::appendSectionLines(text, w());
    return text;
  }
  // Go, Save, Open into fresh windows, Go again: the same text, byte for byte.
  void expectRoundTrip(const std::string& name) {
    forceGo();
    const std::string text = output();
    ASSERT_FALSE(text.empty()) << "Go refused the form: " << w().CurrentValueST().Text();
    save(folder / name);
    EXPECT_TRUE(backend.messages.empty()) << backend.messages.front();
    openFresh(folder / name);
    forceGo();
    EXPECT_EQ(output(), text);
  }

  testing_support::TempFolder temp;
  const fs::path& folder = temp.path;
};

using testing_support::slurp;
const auto write = testing_support::spill;

// The rows of files/roundtrip.tsv: texts whose Mac Roman bytes are also well-formed UTF-8 of
// other characters, and a form without lengths or widths, whose device lines keep an empty area.
class SavedForm : public FileCommands, public ::testing::WithParamInterface<tables::Row> {};

TEST_P(SavedForm, ComesBackWhole) {
  set({"ValueSuffixPU=7", "RefDesPreCB=D", "ManufCB(0)=Vishay", "StartEF=1", "StopEF=3",
       GetParam()[1]});
  expectRoundTrip(GetParam().name);
  if (GetParam().name == "no_area") {
    EXPECT_TRUE(output().ends_with("\t3.01\t\t\t\n"));  // E96 to 3.01 V: no area, SPICE fields
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, SavedForm,
                         ::testing::ValuesIn(tables::rowsOf("files/roundtrip.tsv", 2)),
                         tables::nameOf);

// The same over generated forms, in shards, each made on fresh windows in the order the file
// records it: every series, unit, value format, marking and check-box state; in the text fields
// ASCII with either any Mac Roman character or, in half the forms, only pairs whose Mac Roman
// bytes are UTF-8 of a character Mac Roman lacks; some fields left as a fresh form has them, and
// in half the forms the area calculator untouched.
class GeneratedForms : public FileCommands, public ::testing::WithParamInterface<int> {};

TEST_P(GeneratedForms, ComeBackWhole) {
  std::mt19937 random(static_cast<std::mt19937::result_type>(GetParam()));
  const auto pick = [&](const auto& from) { return from[random() % from.size()]; };
  std::vector<std::string> ascii, macRoman, lookAlikes;
  for (char c = ' '; c < 0x7F; ++c) ascii.emplace_back(1, c);
  for (int byte = 0x80; byte < 0x100; ++byte) {
    macRoman.push_back(fw::FromMacRoman(std::string(1, char(byte))));
  }
  for (int lead = 0xC2; lead <= 0xDF; ++lead) {
    for (int trail = 0x80; trail <= 0xBF; ++trail) {
      if (std::ranges::count(macRoman, std::string{char(lead), char(trail)}) == 0) {
        lookAlikes.push_back(macRoman[lead - 0x80] + macRoman[trail - 0x80]);
      }
    }
  }
  std::map<std::string, std::vector<std::string>, std::less<>> choices;
  for (const auto& row : tables::rowsOf("files/choices.tsv")) {
    choices[row[0]].assign(row.cells.begin() + 1, row.cells.end());
  }
  for (int k = 0; k < 100; ++k) {
    SCOPED_TRACE("form " + std::to_string(k));
    w().Close();
    form::StaticAttr::Instance().Close();
    const auto& others = random() % 2 ? macRoman : lookAlikes;
    const bool area = random() % 2;
    const auto text = [&](size_t most) {
      std::string t;
      for (size_t n = random() % (most + 1); n > 0; --n) t += pick(random() % 2 ? ascii : others);
      return t;
    };
    for (const generate::SectionLayout& section : generate::sectionLayouts()) {
      for (const generate::SectionField& field : section.fields) {
        const bool inArea = field.name == "LengthEF" || field.name == "WidthEF";
        if (field.source == generate::FieldSource::Literal || (inArea && !area)) continue;
        const auto choice = choices.find(field.name);
        if (choice == choices.end() && random() % 4 == 0) continue;  // as a fresh form has it
        std::string value = choice == choices.end() ? text(6) : pick(choice->second);
        if (choice != choices.end() && std::isdigit(value[0]) && random() % 2) {
          value += " " + text(3);  // a number followed by other text
        }
        set((field.source == generate::FieldSource::Static ? "StaticAttr." : "") +
            std::string(field.name) +
            (field.index >= 0 ? "(" + std::to_string(field.index) + ")" : "") + "=" + value);
      }
    }
    expectRoundTrip("form" + std::to_string(k));
    if (HasFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(Shards, GeneratedForms, ::testing::Range(1, 11));

TEST_F(FileCommands, DialogTextsAndSuggestedNames) {
  backend.documents = fw::FolderItem(folder);
  // Nothing generated yet: the warning name, and an empty file.
  save(folder / "empty.txt");
  EXPECT_EQ(slurp(folder / "empty.txt"), "");
  ASSERT_EQ(backend.dialogRequests.size(), 1u);
  EXPECT_EQ(backend.dialogRequests[0].suggestedFileName, " ** WARNING **    Empty File");
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

// What a folder and its folders hold, by path within it.
std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    names.insert(entry.path().lexically_relative(folder));
  }
  return names;
}

using testing_support::accessList;
using testing_support::AsUser;
using testing_support::attributesOf;
using testing_support::kUser;
using testing_support::WithoutFowner;

// Every save case of files/savecases.tsv. The file name always becomes the name chosen, the title
// stays, what is refused stays as it was, a link stays a link, and no folder ever keeps a
// temporary file. The superuser saves, or the user 4242 in a folder of their own that they may
// write but not read (so it cannot be flushed), in a shared library folder of another user's, in
// a sticky folder and in a team's folder with a default access-control list.
TEST_F(FileCommands, SaveCases) {
  set({"ValueSuffixPU=1", "RefDesPreCB=R", "StopEF=11"});
  go();
  const std::string saved = fw::ToMacRoman(output()).bytes;
  // Only the superuser can give a file to another user; others check that a save keeps their own.
  const bool root = geteuid() == 0;
  const uid_t owner = root ? 4321 : geteuid();
  const gid_t group = root ? 8765 : getegid();
  for (const char* name : {"theirs.txt", "kept.txt", "real.txt"}) write(folder / name, name);
  ASSERT_EQ(chown((folder / "theirs.txt").c_str(), owner, group), 0);
  ASSERT_EQ(chmod((folder / "theirs.txt").c_str(), 0640), 0);
  const uid_t user = kUser;
  if (root) {
    ASSERT_EQ(chmod(folder.c_str(), 0755), 0);
    // The old text of the note is longer than the new one, which is written over it in place.
    for (const auto& [name, folderOwner, folderMode, fileMode, text] :
         std::vector<std::tuple<std::string, uid_t, mode_t, mode_t, std::string>>{
             {"mine/team.txt", user, 0333, 0664, "team"},
             {"library/book.txt", owner, 0755, 0666, "book"},
             {"drop/note.txt", 0, 01777, 0666, saved + saved}}) {
      const fs::path file = folder / name;
      fs::create_directory(file.parent_path());
      write(file, text);
      ASSERT_TRUE(chown(file.c_str(), owner, group) == 0 && chmod(file.c_str(), fileMode) == 0);
      ASSERT_EQ(chown(file.parent_path().c_str(), folderOwner, 0), 0);
      ASSERT_EQ(chmod(file.parent_path().c_str(), folderMode), 0);
    }
    const fs::path team = folder / "team";
    fs::create_directory(team);
    for (const auto& [name, list] : std::map<std::string, std::string>{
             {"acl.txt", "u::rw-,u:4343:rw-,g::rw-,m::rw-,o::--- user.origin=team"},
             {"plain.txt", ""},
             {"held.txt", "u::rw-,u:4343:rw-,g::rw-,m::rw-,o::--- user.origin=team"}}) {
      write(team / name, name);
      ASSERT_TRUE(chown((team / name).c_str(), owner, group) == 0 &&
                  chmod((team / name).c_str(), 0660) == 0);
      for (const auto& [attribute, value] : attributesOf(list)) {
        ASSERT_EQ(setxattr((team / name).c_str(), attribute.c_str(), value.data(), value.size(), 0),
                  0);
      }
    }
    const std::string inherited = accessList("u::rwx,u:4343:r--,g::rwx,m::rwx,o::r-x");
    ASSERT_TRUE(chown(team.c_str(), owner, group) == 0 && chmod(team.c_str(), 02775) == 0 &&
                setxattr(team.c_str(), "system.posix_acl_default", inherited.data(),
                         inherited.size(), 0) == 0);
  }
  const auto readOnly = fs::perms::owner_read | fs::perms::group_read;
  fs::permissions(folder / "kept.txt", readOnly);
  fs::create_symlink("real.txt", folder / "link.txt");
  fs::create_symlink("later.txt", folder / "ahead.txt");
  fs::create_symlink(folder / "missing" / "x.txt", folder / "stray.txt");
  fs::create_directory(folder / "sub");
  for (const tables::Row& row : tables::rowsOf("files/savecases.tsv", 6)) {
    const fs::path target = folder / row[0];  // a path from / stays as it is
    const std::string &reason = row[1], &written = row[2];
    const bool asUser = row[3].ends_with("as user"), fullDisk = row[3].starts_with("full disk");
    const bool withoutFowner = row[3] == "without CAP_FOWNER";
    if ((asUser || withoutFowner) && !root) continue;
    SCOPED_TRACE(target);
    backend.messages.clear();
    std::set<std::string> names = namesIn(folder);
    const std::string old = fs::is_regular_file(target) ? slurp(target) : "";
    {
      // The user's identity, or the superuser's rights, for the save alone.
      std::optional<AsUser> as;
      if (asUser) {
        ASSERT_TRUE(as.emplace(group).ok);
      }
      std::optional<WithoutFowner> without;
      if (withoutFowner) {
        ASSERT_TRUE(without.emplace().ok);
      }
      // A file-size limit, which binds the superuser too, stands for a full disk.
      struct rlimit limit {};
      ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
      const rlim_t unlimited = std::exchange(limit.rlim_cur, fullDisk ? 16 : limit.rlim_cur);
      const auto previous = std::signal(SIGXFSZ, SIG_IGN);
      ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
      save(target);
      limit.rlim_cur = unlimited;
      setrlimit(RLIMIT_FSIZE, &limit);
      std::signal(SIGXFSZ, previous);
    }
    if (reason.empty()) {
      EXPECT_EQ(backend.messages, std::vector<std::string>{});
      EXPECT_EQ(slurp(folder / written), saved);
      names.insert(written);
      if (!row[4].empty()) {
        struct stat info {};
        ASSERT_EQ(stat(target.c_str(), &info), 0);
        const uid_t expectedOwner = row[4].ends_with("the user's") ? user : owner;
        EXPECT_EQ(
            std::tuple(info.st_uid, info.st_gid, info.st_mode & 07777),
            std::tuple(expectedOwner, group, static_cast<mode_t>(std::stoul(row[4], nullptr, 8))));
      }
      EXPECT_EQ(attributesOf(target), attributesOf(row[5]));
      // The user the list lets write the file still may.
      if (row[5].find("u:4343:rw-") != std::string::npos) {
        AsUser colleague(4343, 4343);
        const int fd = open(target.c_str(), O_RDWR | O_CLOEXEC);
        EXPECT_GE(fd, 0) << std::strerror(errno);
        if (fd >= 0) close(fd);
      }
    } else {
      ASSERT_EQ(backend.messages.size(), 1u);
      const std::string first = "The text file could not be created.\n";
      EXPECT_TRUE(backend.messages[0].starts_with(first)) << backend.messages[0];
      if (reason != "?") {
        EXPECT_EQ(backend.messages[0], first + reason);
      }
      if (fs::is_regular_file(target)) {
        EXPECT_EQ(slurp(target), old);
      }
    }
    EXPECT_EQ(namesIn(folder), names);
    EXPECT_EQ(app().FileName, target.filename());
    EXPECT_EQ(w().Title(), "Untitled");
  }
  EXPECT_EQ(fs::status(folder / "kept.txt").permissions(), readOnly);
  for (const char* link : {"link.txt", "ahead.txt", "stray.txt"}) {
    EXPECT_TRUE(fs::is_symlink(folder / link)) << link;
  }

  const std::set<std::string> names = namesIn(folder);

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
// its form restored), and files that are refused with a message naming the file, leaving the
// form, the title and the file state as they were. A file is chosen in the dialog of File > Open,
// or handed to the application as a file named on the command line is.
TEST_F(FileCommands, OpenCases) {
  const std::string formText =
      "*_Param_A\t1\t1\t10\t20\tLP\tLS\tFalse\t\t 1%\tR\tFormat 1.02\t1\n\n\n";
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37 + 128) % 256 | 0x80);
  const std::string notText = "The selected file is not a text file.\n\"" + folder.string() + "/";
  const std::string noForm = "The selected file holds no Quillex form.\n\"" + folder.string() + "/";
  struct Row {
    std::string name;
    std::string bytes;
    std::string message;  // empty: the file becomes the document
    bool handed = false;  // handed to the application rather than chosen in the dialog
  };
  const std::vector<Row> rows = {
      {"bom.txt", "\xEF\xBB\xBF" + formText, ""},
      {"R\xE9sistance.txt", formText, ""},  // a name that is not UTF-8
      {"notes.txt", "Shopping\nmilk\nbread\n", noForm + "notes.txt\""},
      {"two-lines.txt", "*_Param_A\t1\t2\t3\t4\t5\t6\n*_Area_A", noForm + "two-lines.txt\""},
      {"binary.bin", binary, noForm + "binary.bin\""},
      {"nul.bin", std::string("*_Param_A\t1\t2\t3\t4\t5\t6\t7\0\n\n\n", 27), notText + "nul.bin\""},
      {"folder", "", notText + "folder\": Is a directory"},
      {"missing.txt", "", notText + "missing.txt\": No such file or directory"},
      {"huge.txt", "",
       notText + "huge.txt\": It is larger than the 64 MB of the longest text Go writes."},
      // A name that is not UTF-8 is shown as Mac Roman, where the byte E9 is "È".
      {"missing-\xE9.txt", "", notText + "missing-È.txt\": No such file or directory", true},
      {"link.txt", "", ""},             // a symbolic link to the form of bom.txt
      {"read-only.txt", formText, ""},  // another user's, that the user 4242 may only read
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
    } else if (row.name == "link.txt") {
      fs::create_symlink("bom.txt", file);
    } else if (!row.name.starts_with("missing")) {
      write(file, row.bytes);
    }
    const bool asUser = row.name == "read-only.txt";
    if (asUser && geteuid() != 0) continue;
    std::optional<AsUser> as;
    if (asUser) {
      ASSERT_EQ(chmod(folder.c_str(), 0755), 0);
      ASSERT_TRUE(chown(file.c_str(), 4321, 8765) == 0 && chmod(file.c_str(), 0444) == 0);
      ASSERT_TRUE(as.emplace(8765).ok);
    }
    // The form, the title and the file state.
    const auto state = [&] { return std::tuple(form(), w().Title(), app().FileName, app().fpath); };
    const auto before = state();
    if (row.handed) {
      generate::OpenDocument(fw::FolderItem(file));
    } else {
      backend.dialogAnswers.push_back(fw::FolderItem(file));
      EXPECT_TRUE(FileOpen_Action(w()));
    }
    as.reset();
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
      EXPECT_EQ(state(), before);
    }
  }
}

}  // namespace
