#include "units/multipliercodes.h"

#include <gtest/gtest.h>

#include <string>

#include "eseries.h"
#include "formatters.h"

namespace {

using units_test::CodeCase;
using units_test::Form;
using units_test::kMarker;
using enum Form;

// clang-format off
const CodeCase kCodes[] = {
    {MMME, 1000, 2, "102"},         {MMME, 34000, 2, "343"},         {MMME, 7.5e6, 2, "755"},
    {MMME, 47, 2, "470"},           {MMME, 1000, 3, "1001"},         {MMME, 34000, 3, "3402"},
    {MMME, 7.5e6, 3, "7504"},       {MMME, 1.3, 2, "1R3"},           {MMME, 1.3, 3, "1R30"},
    {MMME, 0.01, 3, "R010"},        {MMME, 47, 3, "47R0"},           {MMME, 9.1, 2, "9R1"},
    {MMME, 10, 2, "100"},           {MMME, 91, 3, "91R0"},           {MMME, 100, 3, "1000"},
    {MMME, 0.002, 3, "R002"},       {MMME, 0.0009, 3, kMarker},      {MMME, 0.01, 2, "R01"},
    {MMME, 0.002, 2, kMarker},      {MMME, 4.7e11, 2, "4710"},       {MMME, 4.7e12, 3, "47010"},
    {MMME, 4.7, 4, "4R700"},        {MMME, 999.9999999999999, 2, "102"},
    {MMMENoFlag, 0.0009, 3, ""},    {MMMENoFlag, 0.002, 2, ""},      {MMMENoFlag, 0.01, 2, "R01"},
    {ZeroMMME, 0.01, 3, "0R01"},    {ZeroMMME, 1.3, 3, "1R30"},      {ZeroMMME, 0.47, 3, "0R47"},
    {ZeroMMME, 0.47, 2, "0R4"},     {ZeroMMME, 0.002, 3, kMarker},   {ZeroMMME, 0.05, 2, kMarker},
    {ZeroMMME, 1000, 3, "1001"},    {ZeroMMME, 0.0099, 3, kMarker},
    {MrkMMME, 0.99, 3, kMarker},    {MrkMMME, 1, 3, "1R00"},         {MrkMMME, 47, 3, "47R0"},
    {MrkMMME, 1000, 3, "1001"},     {MrkMMME, 5.6, 2, "5R6"},        {MrkMMME, 56, 2, "560"},
};
// clang-format on

TEST(MultiplierCodes, CodesRFormsAndMarkers) {
  for (const auto& c : kCodes) {
    EXPECT_EQ(units_test::format(c.form, c.value, c.digits), c.code)
        << static_cast<int>(c.form) << ": " << c.value << " with " << c.digits << " digits";
  }
}

struct MarkingCase {
  double value;
  const char* code;
};

// clang-format off
const MarkingCase kMarkings[] = {
    {1.3, "12Y"}, {1000, "01B"}, {34000, "52C"}, {7.5e6, "85E"}, {0.002, ""}, {0.01, ""},
    {0.9997, "01Y"}, {10, "01X"}, {100, "01A"}, {99999999, ""}, {1e8, ""}, {976, "96A"},
    {3.4, "52Y"}, {1e7, "01F"},
};
// clang-format on

TEST(Double2Mrk0603Code, Examples) {
  for (const auto& c : kMarkings) EXPECT_EQ(units::Double2Mrk0603Code(c.value), c.code) << c.value;
}

// The EIA-96 table: index i (01 to 96) stands for the i-th E96 value, the letter for its
// multiplier; every E96 value of every decade from 1 to 10^8 gets its standard code.
TEST(Double2Mrk0603Code, StandardIndexForEveryE96ValueOfEachDecade) {
  for (const auto& [letter, multiplier] : units_test::kEia96Letters) {
    for (size_t i = 0; i < units_test::kE96.size(); ++i) {
      const double value = units_test::kE96[i] * multiplier;
      const std::string expected = (i < 9 ? "0" : "") + std::to_string(i + 1) + letter;
      EXPECT_EQ(units::Double2Mrk0603Code(value), expected) << value;
    }
  }
}

TEST(IndexPartNumber, PlainAndZeroPadded) {
  struct Row {
    int number;
    const char *plain, *two, *three, *four;
  };
  for (const Row& r : {Row{5, "5", "05", "005", "0005"}, Row{12345, "12345", "45", "345", "2345"},
                       Row{123, "123", "23", "123", "0123"}, Row{0, "0", "00", "000", "0000"}}) {
    EXPECT_EQ(units::IndexPartNumber1(r.number), r.plain);
    EXPECT_EQ(units::IndexPartNumber01(r.number), r.two);
    EXPECT_EQ(units::IndexPartNumber001(r.number), r.three);
    EXPECT_EQ(units::IndexPartNumber0001(r.number), r.four);
  }
}

}  // namespace
