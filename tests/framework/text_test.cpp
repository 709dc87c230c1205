#include "framework/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "framework/numbers.h"

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

// Positions count characters from 1; nothing is read outside the text.
TEST(Text, LeftRightMidArePositionSafe) {
  // clang-format off
  const std::pair<std::string, const char*> rows[] = {
      {Left("4k7Ω", 2), "4k"},     {Left("4k7Ω", 4), "4k7Ω"},  {Left("4k7Ω", 99), "4k7Ω"},
      {Left("4k7Ω", 0), ""},       {Left("4k7Ω", -3), ""},     {Right("10µF", 2), "µF"},
      {Right("10µF", 9), "10µF"},  {Right("10µF", 0), ""},     {Mid("ABCDEF", 2, 3), "BCD"},
      {Mid("ABCDEF", 5, 10), "EF"}, {Mid("ABCDEF", 7, 1), ""},  {Mid("ABCDEF", 2, 0), ""},
      {Mid("ABCDEF", 2, -1), ""},  {Mid("ABCDEF", 0, 2), "AB"}, {Mid("ABCDEF", -5, 2), "AB"},
      {Mid("ABCDEF", 3), "CDEF"},  {Mid("1.5µH", 4, 1), "µ"},  {Mid("Ω", 1, 1), "Ω"},
  };
  // clang-format on
  for (size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(rows[i].first, rows[i].second) << i;
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

TEST(Numbers, StrWritesSevenSignificantDigits) {
  // clang-format off
  const std::pair<double, const char*> rows[] = {
      {47000.00000000001, "47000"}, {999.9999999999999 * 100, "100000"}, {4.7, "4.7"},
      {0.1 + 0.2, "0.3"}, {1234567.0, "1234567"}, {12345678.0, "1.234568e+07"},
      {0.00001, "1e-05"}, {-2.5, "-2.5"}, {0.0, "0"}, {-0.0, "0"}};
  // clang-format on
  for (const auto& [value, text] : rows) EXPECT_EQ(fw::Str(value), text) << value;
  EXPECT_EQ(fw::Str(-7), "-7");
  EXPECT_EQ(fw::Str(std::int64_t{5000000000}), "5000000000");
}

TEST(Numbers, ValReadsTheLeadingNumberOrZero) {
  // clang-format off
  const std::pair<const char*, double> rows[] = {
      {"1.0e06", 1e6}, {"  47k", 47}, {"-.5", -0.5}, {"+3", 3}, {"2e", 2}, {"2e+", 2},
      {"1,5", 1}, {"0.0001", 0.0001}, {"", 0}, {"abc", 0}, {".", 0}, {"-", 0}, {"e5", 0},
      {" + 1", 0}, {"ERROR", 0}, {"Ω", 0}, {"INF", 0}};
  // clang-format on
  for (const auto& [text, value] : rows) EXPECT_DOUBLE_EQ(fw::Val(text), value) << text;
  EXPECT_TRUE(std::isinf(fw::Val("1e999")));
  EXPECT_EQ(fw::CDbl("12.5"), 12.5);
}

TEST(Numbers, IntegerConversionTruncatesAndSaturates) {
  EXPECT_EQ(fw::ToInt32(28.8), 28);
  EXPECT_EQ(fw::ToInt32(-28.8), -28);
  EXPECT_EQ(fw::ToInt32(1e20), 2147483647);
  EXPECT_EQ(fw::ToInt32(-1e20), -2147483647 - 1);
  EXPECT_EQ(fw::ToInt32(std::nan("")), 0);
  EXPECT_EQ(fw::ToInt32(fw::Val("1e999")), 2147483647);
}

}  // namespace
