#include "units/pointlettercodes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "eseries.h"
#include "formatters.h"
#include "readers.h"

namespace {

using units_test::CodeCase;
using units_test::Form;
using units_test::format;
using units_test::kMarker;

using enum Form;

// clang-format off
const CodeCase kCodes[] = {
    {MMKM, 1.3, 2, "1R3"},          {MMKM, 1000, 2, "1K0"},          {MMKM, 34000, 2, "34K"},
    {MMKM, 7.5e6, 2, "7M5"},        {MMKM, 0.01, 2, "Too Small"},    {MMKM, 0.002, 2, "Too Small"},
    {MMKM, 1.3, 3, "1R30"},         {MMKM, 1000, 3, "1K00"},         {MMKM, 34000, 3, "34K0"},
    {MMKM, 7.5e6, 3, "7M50"},       {MMKM, 0.47, 2, "R47"},          {MMKM, 0.47, 3, "R470"},
    {MMKM, 470, 2, "K47"},          {MMKM, 470, 3, "470R"},          {MMKM, 4.7e5, 2, "M47"},
    {MMKM, 4.7e5, 3, "470K"},       {MMKM, 4.7e11, 2, "4710"},       {MMKM, 4.7e11, 3, "470G"},
    {MMKM, 4.7e12, 3, "47010"},     {MMKM, 0.09997, 2, "R99"},       {MMKM, 4.7e8, 2, "G47"},
    {MMKMNoFlag, 0.05, 2, ""},      {MMKMNoFlag, 0.1, 2, "R10"},
    {MMVM, 1.3, 2, "1V3"},          {MMVM, 4.7, 2, "4V7"},           {MMVM, 0.01, 2, "Too Small"},
    {MMVM, 1000, 2, "1K0"},         {MMVM, 56, 3, "56V0"},           {MMVM, 5.6e7, 2, "56M"},
    {uHMME, 0.002, 2, "2N0"},       {uHMME, 0.01, 2, "10N"},         {uHMME, 1.3, 2, "1R3"},
    {uHMME, 1000, 2, "102"},        {uHMME, 34000, 2, "343"},        {uHMME, 7.5e6, 2, "755"},
    {uHMME, 0.0047, 2, "4N7"},      {uHMME, 0.047, 2, "47N"},        {uHMME, 0.47, 2, "R47"},
    {uHMME, 47, 2, "470"},          {uHMME, 0.0009, 2, kMarker},     {uHMME, 0.047, 3, "R047"},
    {uHMME, 0.0005, 3, "N500"},     {uHMME, 0.00009, 3, kMarker},    {uHMME, 47, 3, "47R0"},
    {uHMME, 470, 3, "4700"},
    {MRMMME, 0.002, 2, "2M0"},      {MRMMME, 0.01, 2, "10M"},        {MRMMME, 1.3, 2, "1R3"},
    {MRMMME, 1000, 2, "102"},       {MRMMME, 34000, 2, "343"},       {MRMMME, 7.5e6, 2, "755"},
    {MRMMME, 0.002, 3, "2M00"},     {MRMMME, 0.01, 3, "10M0"},       {MRMMME, 1.3, 3, "1R30"},
    {MRMMME, 1000, 3, "1001"},      {MRMMME, 34000, 3, "3402"},      {MRMMME, 7.5e6, 3, "7504"},
    {MRMMME, 0.0001, 2, "M10"},     {MRMMME, 0.00002, 2, "M02"},     {MRMMME, 0.000002, 2, "M00"},
    {MRMMME, 0.000002, 3, "M002"},  {MRMMME, 0.47, 2, "R47"},        {MRMMME, 47, 3, "47R0"},
    {MRMMME, 2e-7, 3, "M000"},      // seven decades down: three zeros after the milli M
    {MMLRKM, 0.002, 4, "2L000"},    {MMLRKM, 0.01, 4, "R0100"},      {MMLRKM, 1.3, 4, "1R300"},
    {MMLRKM, 1000, 4, "1K000"},     {MMLRKM, 34000, 4, "34K00"},     {MMLRKM, 7.5e6, 4, "7M500"},
    {MMLRKM, 0.047, 4, "R0470"},    {MMLRKM, 470, 4, "470R0"},       {MMLRKM, 4.7e5, 4, "470K0"},
    {MMLRKM, 4.7e11, 4, "470G0"},   {MMLRKM, 1e12, 4, ""},           {MMLRKM, 2.2e-7, 4, "L0002"},
    {MMLRKM, 4.7e-5, 4, "L0470"},
};
// clang-format on

TEST(PointLetterCodes, ExamplesAndBounds) {
  for (const auto& c : kCodes) {
    EXPECT_EQ(format(c.form, c.value, c.digits), c.code)
        << static_cast<int>(c.form) << ": " << c.value << " with " << c.digits << " digits";
  }
}

// Every code of every E24 value over a formatter's decades reads back by the IEC 60062 rules as
// the value, up to the last digit the code keeps (codes cut digits, they never round).
TEST(PointLetterCodes, ReadBackAsTheValueWithinTheDigitsKept) {
  const std::map<char, int> resistor = {{'R', 0}, {'K', 3}, {'M', 6}, {'G', 9}};
  const std::map<char, int> volt = {{'V', 0}, {'K', 3}, {'M', 6}, {'G', 9}};
  const std::map<char, int> microhenry = {{'R', 0}, {'N', -3}};
  const std::map<char, int> milliM = {{'R', 0}, {'M', -3}};
  const std::map<char, int> milliL = {{'L', -3}, {'R', 0}, {'K', 3}, {'M', 6}, {'G', 9}};
  struct Range {
    Form form;
    int digits;
    const std::map<char, int>& letters;
    int firstDecade;
    int lastDecade;
  };
  const Range ranges[] = {
      {Form::MMKM, 2, resistor, -1, 14},    {Form::MMKM, 3, resistor, -1, 14},
      {Form::MMVM, 2, volt, -1, 14},        {Form::MMVM, 3, volt, -1, 14},
      {Form::uHMME, 2, microhenry, -3, 12}, {Form::uHMME, 3, microhenry, -4, 12},
      {Form::MRMMME, 2, milliM, -7, 12},    {Form::MRMMME, 3, milliM, -7, 12},
      {Form::MMLRKM, 4, milliL, -7, 11},
  };
  for (const Range& r : ranges) {
    for (int decade = r.firstDecade; decade <= r.lastDecade; ++decade) {
      for (int digits : units_test::kE24) {
        const double value = digits * std::pow(10.0, decade - 1);
        const std::string code = format(r.form, value, r.digits);
        const auto read = units_test::readLetterCode(code, r.letters, r.digits);
        ASSERT_TRUE(read.has_value()) << static_cast<int>(r.form) << ": " << value << " " << code;
        EXPECT_LE(read->value, value * (1 + 1e-9)) << value << " " << code;
        EXPECT_LT(value, (read->value + read->step) * (1 - 1e-9)) << value << " " << code;
      }
    }
  }
}

}  // namespace
