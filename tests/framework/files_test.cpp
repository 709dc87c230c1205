// Files and the Mac Roman encoding.

#include "framework/files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

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

TEST(MacRoman, ConvertsOhmAndMicroBothWays) {
  const auto encoded = fw::ToMacRoman("4.7kΩ 10µH");
  ASSERT_TRUE(encoded);
  EXPECT_EQ(encoded.bytes, "4.7k\xBD 10\xB5H");
  EXPECT_EQ(fw::FromMacRoman("4.7k\xBD 10\xB5H"), "4.7kΩ 10µH");
  EXPECT_EQ(fw::FromMacRoman("plain\tTAB\n"), "plain\tTAB\n");
}

TEST(MacRoman, RefusesWhatItCannotHold) {
  const auto encoded = fw::ToMacRoman("1 k\xE2\x84\xA6 – 2€ ok");  // KELVIN/OHM SIGN U+2126
  EXPECT_FALSE(encoded);
  EXPECT_EQ(encoded.offending, "\xE2\x84\xA6");
  EXPECT_TRUE(encoded.bytes.empty());
  EXPECT_FALSE(fw::ToMacRoman("bad \xFF byte"));
  EXPECT_TRUE(fw::ToMacRoman(""));
}

// Replacing a file writes it whole, byte for byte, keeps its permissions and leaves no temporary
// file beside it; reading gives the bytes back as they are.
TEST_F(TempFolder, ReplacingAndReadingAFile) {
  const fw::FolderItem item(folder / "R1.txt");
  ASSERT_TRUE(fw::WriteFileAtomically(item, "first"));
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(item.path(), mode);
  ASSERT_TRUE(fw::WriteFileAtomically(item, "a\r\nb\xBD"));
  EXPECT_EQ(slurp(item.path()), "a\r\nb\xBD");
  EXPECT_EQ(fw::ReadWholeFile(item), "a\r\nb\xBD");
  EXPECT_EQ(fs::status(item.path()).permissions() & fs::perms::all, mode);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  EXPECT_EQ(item.Name(), "R1.txt");
  EXPECT_EQ(item.Parent().path(), folder);
  std::string why;
  EXPECT_FALSE(fw::ReadWholeFile(fw::FolderItem(folder / "missing.txt"), &why));
  EXPECT_FALSE(why.empty());
  EXPECT_FALSE(fw::ReadWholeFile(fw::FolderItem(folder)));
}

TEST_F(TempFolder, AFailedWriteLeavesTheExistingFileIntact) {
  const fw::FolderItem item(folder / "keep.txt");
  ASSERT_TRUE(fw::WriteFileAtomically(item, "precious"));
  if (geteuid() != 0) {
    // A folder that cannot take the temporary file: the write fails before touching the file.
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    const auto result = fw::WriteFileAtomically(item, "lost");
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.empty());
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_EQ(slurp(item.path()), "precious");
  }
  {
    // A disk that takes only a few bytes (a file size limit, which binds root too): the write
    // fails half-way and the old file stays whole.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = fw::WriteFileAtomically(item, "a text longer than four bytes");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(slurp(item.path()), "precious");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  }
  // A folder where the file should go: refused, nothing written.
  fs::create_directory(folder / "sub");
  EXPECT_FALSE(fw::WriteFileAtomically(fw::FolderItem(folder / "sub"), "x"));
  // A missing folder: refused.
  EXPECT_FALSE(fw::WriteFileAtomically(fw::FolderItem(folder / "no" / "such.txt"), "x"));
  EXPECT_EQ(slurp(item.path()), "precious");
}

TEST_F(TempFolder, NeverReplacesADeviceAndWritesThroughALink) {
  // A device is not a document: refused before anything is written beside it.
  EXPECT_FALSE(fw::WriteFileAtomically(fw::FolderItem("/dev/null"), "text"));
  EXPECT_FALSE(fs::is_regular_file("/dev/null"));
  // A link keeps pointing at the file, which gets the new text.
  const fw::FolderItem real(folder / "real.txt");
  ASSERT_TRUE(fw::WriteFileAtomically(real, "old"));
  fs::create_symlink(real.path(), folder / "link.txt");
  ASSERT_TRUE(fw::WriteFileAtomically(fw::FolderItem(folder / "link.txt"), "new"));
  EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
  EXPECT_EQ(slurp(real.path()), "new");
}

}  // namespace
