#include "framework/text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/encoding.h"
#include "framework/numbers.h"
#include "tables.h"

namespace {

using namespace fw;

// The functions of text.tsv, by name: the result as a text, from the row's text (bytes written
// "\xHH" decoded) and its numbers ("-" for none). A Mac Roman conversion gives the bytes, or
// "refused" and the first character it cannot write; the characters a save names are joined.
using Function = std::function<std::string(const std::string&, int, int)>;
const std::map<std::string, Function>& functions() {
  const auto number = [](const std::string& text) { return std::strtod(text.c_str(), nullptr); };
  static const std::map<std::string, Function> kAll = {
      {"Left", [](const std::string& t, int n, int) { return Left(t, n); }},
      {"Right", [](const std::string& t, int n, int) { return Right(t, n); }},
      {"Mid", [](const std::string& t, int n, int m) { return Mid(t, n, m); }},
      {"Mid-", [](const std::string& t, int n, int) { return Mid(t, n); }},
      {"Len", [](const std::string& t, int, int) { return std::to_string(Len(t)); }},
      {"LenB", [](const std::string& t, int, int) { return std::to_string(LenB(t)); }},
      {"Uppercase", [](const std::string& t, int, int) { return Uppercase(t); }},
      {"Str", [=](const std::string& t, int, int) { return Str(number(t)); }},
      {"ToInt32",
       [=](const std::string& t, int, int) { return std::to_string(ToInt32(number(t))); }},
      {"ToMacRoman",
       [](const std::string& t, int, int) {
         const Conversion bytes = ToMacRoman(t);
         return bytes ? bytes.bytes : "refused " + bytes.offending;
       }},
      {"CharactersWithoutMacRoman",
       [](const std::string& t, int n, int) {
         std::string named;
         for (const auto& c : CharactersWithoutMacRoman(t, static_cast<size_t>(n))) named += c;
         return named;
       }},
  };
  return kAll;
}

class Text : public ::testing::TestWithParam<tables::Row> {};

TEST_P(Text, GivesTheResultWorkedOutByHand) {
  const tables::Row& row = GetParam();
  const std::string text = tables::unescape(row[1]);
  const std::string& want = row[4];
  if (row[0] == "Val" || row[0] == "CDbl") {
    EXPECT_DOUBLE_EQ(row[0] == "Val" ? Val(text) : CDbl(text), std::strtod(want.c_str(), nullptr));
    return;
  }
  const std::string name = row[0] + (row[0] == "Mid" && row[3] == "-" ? "-" : "");
  const auto function = functions().find(name);
  ASSERT_NE(function, functions().end()) << "no function " << name;
  const auto count = [](const std::string& cell) { return cell == "-" ? 0 : std::stoi(cell); };
  EXPECT_EQ(function->second(text, count(row[2]), count(row[3])), tables::unescape(want));
}

INSTANTIATE_TEST_SUITE_P(Rows, Text,
                         ::testing::ValuesIn(tables::rowsOf("framework/text.tsv", 5, 4)),
                         tables::nameOf);

// A split keeps its empty pieces; an array refuses an index outside it; whole numbers are written
// with every digit.
TEST(Text, SplitAndArrays) {
  using Pieces = std::vector<std::string>;
  const auto pieces = SplitB("a\t\tb\t", ChrB(9));
  EXPECT_EQ(Pieces(pieces.begin(), pieces.end()), (Pieces{"a", "", "b", ""}));
  EXPECT_EQ(Join(SplitB("one\r\ntwo\r\n", "\r\n"), "|"), "one|two|");
  fw::Array<int> cells(50);
  cells[50] = 7;
  EXPECT_EQ(cells[50], 7);
  EXPECT_THROW(cells[51], fw::OutOfBoundsException);
  EXPECT_THROW(cells[-1], fw::OutOfBoundsException);
  EXPECT_EQ(Str(std::int64_t{5000000000}), "5000000000");
}

}  // namespace
