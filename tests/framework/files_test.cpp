// Files and the Mac Roman encoding. The failures a save meets on the way (a folder or a device as
// the target, a vanished folder, a full disk) are checked through File > Save in
// tests/generate/filecommands_test.cpp.

#include "framework/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/encoding.h"
#include "tables.h"
#include "tempfolder.h"

namespace {

namespace fs = std::filesystem;

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

// The rows of decode.tsv, from the bytes as they are and as a file gives them back.
class Decode : public ::testing::TestWithParam<tables::Row> {};

TEST_P(Decode, ReadsWhatASaveWroteBack) {
  const std::string bytes = tables::unescape(GetParam()[1]);
  EXPECT_EQ(fw::DecodeText(bytes), GetParam()[2]);
  testing_support::TempFolder temp;
  const fw::FolderItem file(temp.path / "read.txt");
  ASSERT_TRUE(fw::WriteWholeFile(file, bytes));
  EXPECT_EQ(fw::DecodeText(fw::ReadWholeFile(file).bytes.value_or("")), GetParam()[2]);
}

INSTANTIATE_TEST_SUITE_P(Rows, Decode,
                         ::testing::ValuesIn(tables::rowsOf("framework/decode.tsv", 3)),
                         tables::nameOf);

// Replacing a file writes it whole, byte for byte; reading gives the bytes back as they are, up to
// a limit on the size, and nothing from a device. What a save or an open meets on the way (kept
// permissions, links, read-only files, owners, long names, folders, missing files, failures) is
// checked through File > Save and File > Open.
TEST_F(TempFolder, ReplacingAndReadingAFile) {
  const fw::FolderItem item(folder / "R1.txt");
  ASSERT_TRUE(fw::WriteWholeFile(item, "first"));
  ASSERT_TRUE(fw::WriteWholeFile(item, "a\r\nb\xBD"));
  EXPECT_EQ(slurp(item.path()), "a\r\nb\xBD");
  EXPECT_EQ(fw::ReadWholeFile(item).bytes, "a\r\nb\xBD");
  EXPECT_EQ(fw::ReadWholeFile(item, 5).bytes, "a\r\nb\xBD");
  const fw::FileContent tooLarge = fw::ReadWholeFile(item, 4);
  EXPECT_TRUE(tooLarge.tooLarge);
  EXPECT_FALSE(tooLarge.bytes);
  EXPECT_EQ(fw::ReadWholeFile(fw::FolderItem("/dev/null")).error, "not a regular file");
  EXPECT_FALSE(fw::ReadWholeFile(fw::FolderItem("/dev/null")).bytes);
}

// A new file may be read and written by everyone the umask leaves it to.
TEST_F(TempFolder, ANewFileFollowsTheUmask) {
  for (const auto& [mask, mode] : {std::pair{022, 0644}, std::pair{077, 0600}}) {
    const mode_t before = umask(static_cast<mode_t>(mask));
    const fw::FolderItem item(folder / ("new" + std::to_string(mask)));
    const bool written = fw::WriteWholeFile(item, "R1\n").ok;
    umask(before);
    ASSERT_TRUE(written);
    EXPECT_EQ(fs::status(item.path()).permissions(), static_cast<fs::perms>(mode)) << mask;
  }
}

}  // namespace
