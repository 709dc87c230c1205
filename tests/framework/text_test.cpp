#include "framework/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "framework/numbers.h"

namespace {

using fw::ChrB;
using fw::Join;
using fw::Left;
using fw::Len;
using fw::LenB;
using fw::Mid;
using fw::Right;
using fw::SplitB;

TEST(Text, CountsCharactersNotBytes) {
  EXPECT_EQ(Len("kΩ"), 2);
  EXPECT_EQ(LenB("kΩ"), 3);
  EXPECT_EQ(Len("µH"), 2);
  EXPECT_EQ(Len(""), 0);
  // Bytes read unconverted from a Mac Roman file are not UTF-8: each still counts once.
  EXPECT_EQ(Len("\xBD\xB5x"), 3);
  EXPECT_EQ(Len("\xE2\x82"), 2);  // a sequence cut short at the end of the text
}

TEST(Text, LeftRightMidArePositionSafe) {
  EXPECT_EQ(Left("4k7Ω", 2), "4k");
  EXPECT_EQ(Left("4k7Ω", 4), "4k7Ω");
  EXPECT_EQ(Left("4k7Ω", 99), "4k7Ω");
  EXPECT_EQ(Left("4k7Ω", 0), "");
  EXPECT_EQ(Left("4k7Ω", -3), "");
  EXPECT_EQ(Right("10µF", 2), "µF");
  EXPECT_EQ(Right("10µF", 9), "10µF");
  EXPECT_EQ(Right("10µF", 0), "");
  EXPECT_EQ(Mid("ABCDEF", 2, 3), "BCD");
  EXPECT_EQ(Mid("ABCDEF", 5, 10), "EF");
  EXPECT_EQ(Mid("ABCDEF", 7, 1), "");
  EXPECT_EQ(Mid("ABCDEF", 2, 0), "");
  EXPECT_EQ(Mid("ABCDEF", 2, -1), "");
  EXPECT_EQ(Mid("ABCDEF", 0, 2), "AB");
  EXPECT_EQ(Mid("ABCDEF", -5, 2), "AB");
  EXPECT_EQ(Mid("ABCDEF", 3), "CDEF");
  EXPECT_EQ(Mid("1.5µH", 4, 1), "µ");
  EXPECT_EQ(Mid("Ω", 1, 1), "Ω");
}

TEST(Text, UppercaseTouchesAsciiLettersOnly) { EXPECT_EQ(fw::Uppercase("4k7 µf ω"), "4K7 µF ω"); }

TEST(Text, SplitKeepsEmptyPieces) {
  using Pieces = std::vector<std::string>;
  const auto pieces = SplitB("a\t\tb\t", ChrB(9));
  EXPECT_EQ(Pieces(pieces.begin(), pieces.end()), (Pieces{"a", "", "b", ""}));
  EXPECT_EQ(SplitB("", "\t").size(), 1);
  const auto lines = SplitB("one\r\ntwo\r\n", "\r\n");
  EXPECT_EQ(Join(lines, "|"), "one|two|");
  EXPECT_EQ(Join(fw::Array<std::string>(-1), ","), "");
}

TEST(Text, ArraysRefuseIndexesOutsideThem) {
  fw::Array<int> cells(50);
  EXPECT_EQ(cells.size(), 51);
  cells[50] = 7;
  EXPECT_EQ(cells[50], 7);
  EXPECT_THROW(cells[51], fw::OutOfBoundsException);
  EXPECT_THROW(cells[-1], fw::OutOfBoundsException);
  EXPECT_EQ(fw::Array<int>(-1).size(), 0);
}

TEST(Numbers, StrWritesSevenSignificantDigits) {
  EXPECT_EQ(fw::Str(47000.00000000001), "47000");
  EXPECT_EQ(fw::Str(999.9999999999999 * 100), "100000");
  EXPECT_EQ(fw::Str(4.7), "4.7");
  EXPECT_EQ(fw::Str(0.1 + 0.2), "0.3");
  EXPECT_EQ(fw::Str(1234567.0), "1234567");
  EXPECT_EQ(fw::Str(12345678.0), "1.234568e+07");
  EXPECT_EQ(fw::Str(0.00001), "1e-05");
  EXPECT_EQ(fw::Str(-2.5), "-2.5");
  EXPECT_EQ(fw::Str(0.0), "0");
  EXPECT_EQ(fw::Str(-7), "-7");
  EXPECT_EQ(fw::Str(std::int64_t{5000000000}), "5000000000");
}

TEST(Numbers, ValReadsTheLeadingNumberOrZero) {
  EXPECT_DOUBLE_EQ(fw::Val("1.0e06"), 1e6);
  EXPECT_DOUBLE_EQ(fw::Val("  47k"), 47);
  EXPECT_DOUBLE_EQ(fw::Val("-.5"), -0.5);
  EXPECT_DOUBLE_EQ(fw::Val("+3"), 3);
  EXPECT_DOUBLE_EQ(fw::Val("2e"), 2);
  EXPECT_DOUBLE_EQ(fw::Val("2e+"), 2);
  EXPECT_DOUBLE_EQ(fw::Val("1,5"), 1);
  EXPECT_DOUBLE_EQ(fw::Val("0.0001"), 0.0001);
  for (const char* none : {"", "abc", ".", "-", "e5", " + 1", "ERROR", "Ω"}) {
    EXPECT_EQ(fw::Val(none), 0.0) << none;
  }
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
