// Files and the Mac Roman encoding. The failures a save meets on the way (a folder or a device as
// the target, a vanished folder, a full disk) are checked through File > Save in
// tests/generate/filecommands_test.cpp.

#include "framework/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/encoding.h"
#include "tempfolder.h"

namespace {

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
class TempFolder : public ::testing::Test {
 protected:
  testing_support::TempFolder temp;
  const fs::path& folder = temp.path;
};

using testing_support::slurp;

// Ω and µ both ways; the OHM SIGN U+2126, which looks like Ω but is not in Mac Roman, a tag
// character (which the system's converter would drop without a word) and bytes that are not UTF-8
// are refused, nothing half converted.
TEST(MacRoman, ConvertsOhmAndMicroAndRefusesWhatItCannotHold) {
  const auto encoded = fw::ToMacRoman("4.7kΩ 10µH");
  ASSERT_TRUE(encoded);
  EXPECT_EQ(encoded.bytes, "4.7k\xBD 10\xB5H");
  EXPECT_EQ(fw::FromMacRoman("4.7k\xBD 10\xB5H"), "4.7kΩ 10µH");
  EXPECT_EQ(fw::FromMacRoman("plain\tTAB\n"), "plain\tTAB\n");
  const auto refused = fw::ToMacRoman("1 k\xE2\x84\xA6 – 2€ ok");
  EXPECT_FALSE(refused);
  EXPECT_EQ(refused.offending, "\xE2\x84\xA6");
  EXPECT_EQ(refused.offendingAt, 3u);
  EXPECT_TRUE(refused.bytes.empty());
  EXPECT_FALSE(fw::ToMacRoman("bad \xFF byte"));
  EXPECT_FALSE(fw::ToMacRoman("tag \xF3\xA0\x81\x81"));
  EXPECT_TRUE(fw::ToMacRoman(""));
  // The characters a refused save names: distinct, in order of first occurrence, at most `most`.
  using Named = std::vector<std::string>;
  EXPECT_EQ(fw::CharactersWithoutMacRoman("☃a☃\xFF\xE2\x84\xA6☃Ω", 5),
            (Named{"☃", "\xFF", "\xE2\x84\xA6"}));
  EXPECT_EQ(fw::CharactersWithoutMacRoman("☃\xE2\x84\xA6\xFF", 2), (Named{"☃", "\xE2\x84\xA6"}));
  EXPECT_EQ(fw::CharactersWithoutMacRoman("4.7kΩ ±1 %", 5), Named{});
}

// A read text is UTF-8 only when it is UTF-8 that Mac Roman can hold whole, so what the program
// saved in Mac Roman comes back even where its bytes happen to be well-formed UTF-8; UTF-8 from
// other editors with the usual signs still reads as UTF-8.
TEST(MacRoman, ReadsWhatASaveWroteBack) {
  struct Row {
    const char* bytes;
    const char* text;
  };
  // clang-format off
  const Row rows[] = {
      {"Zener l\xD5\x8E" "cran", "Zener l’écran"},  // D5 8E is also UTF-8 for "Վ"
      {"Response \xC5\xB5s", "Response ≈µs"},        // C5 B5 also "ŵ"
      {"\xD0\x83 ok", "–É ok"},                      // D0 83 also "Ѓ"
      {"a/\xC0\xAF", "a/¿Ø"},                        // an overlong "/" is no UTF-8
      {"a/\xE0\x80\xAF", "a/‡ÄØ"},
      {"\xED\xA0\x80", "Ì†Ä"},                        // nor is a surrogate
      {"\xF4\x90\x80\x80", "ÙêÄÄ"},                  // nor a value past U+10FFFF
      {"ends in \xE2\x84", "ends in ‚Ñ"},             // nor a character cut short
      {"4.7kΩ ±1% 10µH 25°C é ’", "4.7kΩ ±1% 10µH 25°C é ’"},
      {"\xC2\xA9", "©"},  // "¬©" in Mac Roman: the one kind of pair that stays ambiguous
  };
  // clang-format on
  for (const Row& row : rows) EXPECT_EQ(fw::DecodeText(row.bytes), row.text) << row.bytes;
}

// Replacing a file writes it whole, byte for byte, keeps its permissions and leaves no temporary
// file beside it; reading gives the bytes back as they are, up to a limit on the size. What a save
// meets on the way (links, read-only files, owners, long names, failures) is checked through
// File > Save.
TEST_F(TempFolder, ReplacingAndReadingAFile) {
  const fw::FolderItem item(folder / "R1.txt");
  ASSERT_TRUE(fw::WriteWholeFile(item, "first"));
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(item.path(), mode);
  ASSERT_TRUE(fw::WriteWholeFile(item, "a\r\nb\xBD"));
  EXPECT_EQ(slurp(item.path()), "a\r\nb\xBD");
  EXPECT_EQ(fw::ReadWholeFile(item).bytes, "a\r\nb\xBD");
  EXPECT_EQ(fw::ReadWholeFile(item, 5).bytes, "a\r\nb\xBD");
  const fw::FileContent tooLarge = fw::ReadWholeFile(item, 4);
  EXPECT_TRUE(tooLarge.tooLarge);
  EXPECT_FALSE(tooLarge.bytes);
  EXPECT_EQ(fs::status(item.path()).permissions() & fs::perms::all, mode);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  EXPECT_EQ(item.Name(), "R1.txt");
  EXPECT_EQ(item.Parent().path(), folder);
  EXPECT_EQ(fw::ReadWholeFile(fw::FolderItem(folder / "missing.txt")).error,
            "No such file or directory");
  EXPECT_EQ(fw::ReadWholeFile(fw::FolderItem(folder)).error, "Is a directory");
  EXPECT_EQ(fw::ReadWholeFile(fw::FolderItem("/dev/null")).error, "not a regular file");
  EXPECT_FALSE(fw::ReadWholeFile(fw::FolderItem("/dev/null")).bytes);
}

}  // namespace
