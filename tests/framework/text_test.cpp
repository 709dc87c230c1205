#include "framework/text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "framework/numbers.h"
#include "tables.h"

namespace {

using namespace fw;

// The rows of text.tsv: Left, Right, Mid, Len, LenB, Str, Val, CDbl and ToInt32.
TEST(Text, GivesTheResultsWorkedOutByHand) {
  for (const auto& row : tables::rowsOf("framework/text.tsv", 5)) {
    const std::string& f = row[0];
    const std::string& text = row[1];
    const int n = row[2] == "-" ? 0 : std::stoi(row[2]);
    const double number = std::strtod(text.c_str(), nullptr);
    std::string got;
    if (f == "Left") got = Left(text, n);
    if (f == "Right") got = Right(text, n);
    if (f == "Mid") got = row[3] == "-" ? Mid(text, n) : Mid(text, n, std::stoi(row[3]));
    if (f == "Len" || f == "LenB") got = std::to_string(f == "Len" ? Len(text) : LenB(text));
    if (f == "Str") got = Str(number);
    if (f == "ToInt32") got = std::to_string(ToInt32(number));
    if (f == "Val" || f == "CDbl") {
      const double expected = std::strtod(row[4].c_str(), nullptr);
      EXPECT_DOUBLE_EQ(f == "Val" ? Val(text) : CDbl(text), expected) << text;
      continue;
    }
    EXPECT_EQ(got, row[4]) << f << " " << text << " " << row[2] << " " << row[3];
  }
  // Bytes read unconverted from a Mac Roman file are not UTF-8: each still counts once.
  EXPECT_EQ(Len("\xBD\xB5x"), 3);
  EXPECT_EQ(Len("\xE2\x82"), 2);  // a sequence cut short at the end of the text
}

// Upper case changes ASCII letters only; a split keeps its empty pieces; an array refuses an
// index outside it; whole numbers are written with every digit.
TEST(Text, UppercaseSplitAndArrays) {
  EXPECT_EQ(fw::Uppercase("4k7 µf ω z"), "4K7 µF ω Z");
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
  EXPECT_EQ(Str(-7), "-7");
  EXPECT_EQ(Str(std::int64_t{5000000000}), "5000000000");
}

}  // namespace
