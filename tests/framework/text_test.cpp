#include "framework/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/numbers.h"
#include "tables.h"

namespace {

using namespace fw;

TEST(Text, CountsCharactersNotBytes) {
  EXPECT_EQ(Len("kΩ"), 2);
  EXPECT_EQ(LenB("kΩ"), 3);
  EXPECT_EQ(Len("µH"), 2);
  EXPECT_EQ(Len(""), 0);
  // Bytes read unconverted from a Mac Roman file are not UTF-8: each still counts once.
  EXPECT_EQ(Len("\xBD\xB5x"), 3);
  EXPECT_EQ(Len("\xE2\x82"), 2);  // a sequence cut short at the end of the text
}

// The rows of text.tsv: Left, Right, Mid, Str and Val.
TEST(Text, GivesTheResultsWorkedOutByHand) {
  for (const auto& row : tables::rowsOf("framework/text.tsv", 5)) {
    const std::string& f = row[0];
    const std::string& text = row[1];
    const int n = row[2] == "-" ? 0 : std::stoi(row[2]);
    std::string got;
    if (f == "Left") got = Left(text, n);
    if (f == "Right") got = Right(text, n);
    if (f == "Mid") got = row[3] == "-" ? Mid(text, n) : Mid(text, n, std::stoi(row[3]));
    if (f == "Str") got = Str(std::strtod(text.c_str(), nullptr));
    if (f == "Val") {
      EXPECT_DOUBLE_EQ(Val(text), std::strtod(row[4].c_str(), nullptr)) << text;
      continue;
    }
    EXPECT_EQ(got, row[4]) << f << " " << text << " " << row[2] << " " << row[3];
  }
}

// Upper case changes ASCII letters only; a split keeps its empty pieces; an array refuses an
// index outside it.
TEST(Text, UppercaseSplitAndArrays) {
  EXPECT_EQ(fw::Uppercase("4k7 µf ω"), "4K7 µF ω");
  using Pieces = std::vector<std::string>;
  const auto pieces = SplitB("a\t\tb\t", ChrB(9));
  EXPECT_EQ(Pieces(pieces.begin(), pieces.end()), (Pieces{"a", "", "b", ""}));
  EXPECT_EQ(SplitB("", "\t").size(), 1);
  EXPECT_EQ(Join(SplitB("one\r\ntwo\r\n", "\r\n"), "|"), "one|two|");
  EXPECT_EQ(Join(fw::Array<std::string>(-1), ","), "");
  fw::Array<int> cells(50);
  EXPECT_EQ(cells.size(), 51);
  cells[50] = 7;
  EXPECT_EQ(cells[50], 7);
  EXPECT_THROW(cells[51], fw::OutOfBoundsException);
  EXPECT_THROW(cells[-1], fw::OutOfBoundsException);
  EXPECT_EQ(fw::Array<int>(-1).size(), 0);
}

// Numbers read and written beyond the table's rows.
TEST(Numbers, LimitsOfReadingAndConverting) {
  EXPECT_EQ(fw::Str(-7), "-7");
  EXPECT_EQ(fw::Str(std::int64_t{5000000000}), "5000000000");
  EXPECT_TRUE(std::isinf(fw::Val("1e999")));
  EXPECT_EQ(fw::CDbl("12.5"), 12.5);
  EXPECT_EQ(fw::ToInt32(28.8), 28);
  EXPECT_EQ(fw::ToInt32(-28.8), -28);
  EXPECT_EQ(fw::ToInt32(1e20), 2147483647);
  EXPECT_EQ(fw::ToInt32(-1e20), -2147483647 - 1);
  EXPECT_EQ(fw::ToInt32(std::nan("")), 0);
  EXPECT_EQ(fw::ToInt32(fw::Val("1e999")), 2147483647);
}

}  // namespace
