#include "units/unittable.h"

#include <algorithm>
#include <initializer_list>

namespace units {
namespace {

// Elements `first` to `last` of a table all hold `value`.
template <class T>
struct Run {
  int first;
  int last;
  T value;
};

template <class T>
fw::Array<T> table(int count, std::initializer_list<Run<T>> runs) {
  fw::Array<T> result(count - 1);
  for (const auto& run : runs) {
    for (int i = run.first; i <= run.last; ++i) result[i] = run.value;
  }
  return result;
}

// Element i holds 3 x floor(i / 3), bounded below by `floor` and above by `ceiling`: the power
// of ten of each decade's engineering prefix.
fw::Array<int> thirds(int count, int floor, int ceiling) {
  fw::Array<int> result(count - 1);
  for (int i = 0; i < count; ++i) result[i] = std::clamp(3 * (i / 3), floor, ceiling);
  return result;
}

using Texts = std::initializer_list<Run<std::string>>;
using Ints = std::initializer_list<Run<int>>;

// The SPICE suffix of 10^6 is written "Meg": simulators read "M" as milli.
const Texts kOhmSpiceSuffixes = {
    {0, 3, ""}, {4, 6, "K"}, {7, 9, "Meg"}, {10, 12, "G"}, {13, 21, "T"}};
const Texts kMilliohmSpiceSuffixes = {{0, 3, "m"},     {4, 6, ""},    {7, 9, "k"},
                                      {10, 12, "Meg"}, {13, 15, "G"}, {16, 24, "T"}};
const Texts kOhmRealSuffixes = {{0, 6, ""},    {7, 9, "k"},   {10, 12, "M"}, {13, 15, "G"},
                                {16, 18, "T"}, {19, 21, "P"}, {22, 24, "E"}};

}  // namespace

void InstallUnitRow(UnitTable& t, int row) {
  // Every row starts from the defaults, so the tables in force depend on the chosen row alone
  // and not on the rows chosen before it: a saved form reopened in a fresh window writes the
  // same text.
  if (row >= 1 && row <= 7) t = UnitTable{};
  switch (row) {
    case 1:
      t.UnitMultiplier = 1.0;
      t.DecadeDelta = thirds(27, 0, 24);
      t.SuffixTxt = table<std::string>(22, {{0, 3, ""},
                                            {4, 6, "k"},
                                            {7, 9, "M"},
                                            {10, 12, "G"},
                                            {13, 15, "T"},
                                            {16, 18, "P"},
                                            {19, 21, "E"}});
      t.SpiceDecadeDelta = thirds(21, 0, 12);
      t.SpiceSuffixTxt = table<std::string>(22, kOhmSpiceSuffixes);
      t.RealDecadeDelta = thirds(27, 3, 24);
      t.RealSuffixTxt = table<std::string>(25, kOhmRealSuffixes);
      t.UnitsSuffix = "Ω";
      return;
    case 2:
      t.UnitMultiplier = 1000.0;
      t.DecadeDelta = thirds(27, 0, 24);
      t.SuffixTxt = table<std::string>(25, {{0, 3, "m"},
                                            {4, 6, ""},
                                            {7, 9, "k"},
                                            {10, 12, "M"},
                                            {13, 15, "G"},
                                            {16, 18, "T"},
                                            {19, 21, "P"},
                                            {22, 24, "E"}});
      t.RealDecadeDelta = thirds(27, 3, 24);
      t.RealSuffixTxt = table<std::string>(25, kOhmRealSuffixes);
      t.SpiceDecadeDelta = thirds(24, 0, 15);
      t.SpiceSuffixTxt = table<std::string>(25, kMilliohmSpiceSuffixes);
      t.UnitsSuffix = "Ω";
      return;
    case 3:
      t.UnitMultiplier = 1.0;
      t.DecadeDelta = table<int>(36, Ints{{0, 2, 0}, {3, 5, 3}, {6, 10, 6}, {11, 35, 12}});
      t.SuffixTxt = table<std::string>(28, {{0, 3, "p"}, {4, 6, "n"}, {7, 11, "µ"}, {12, 27, ""}});
      t.SpiceDecadeDelta = t.DecadeDelta;
      t.SpiceSuffixTxt =
          table<std::string>(28, {{0, 3, "p"}, {4, 6, "n"}, {7, 11, "u"}, {12, 27, ""}});
      t.UnitsSuffix = "F";
      return;
    case 4:
      t.UnitMultiplier = 1.0;
      t.DecadeDelta = table<int>(36, Ints{{0, 4, 0}, {5, 10, 6}, {11, 35, 12}});
      t.SuffixTxt = table<std::string>(28, {{0, 5, "p"}, {6, 11, "µ"}, {12, 27, ""}});
      t.SpiceDecadeDelta = t.DecadeDelta;
      t.SpiceSuffixTxt = table<std::string>(28, {{0, 5, "p"}, {6, 11, "u"}, {12, 27, ""}});
      t.UnitsSuffix = "F";
      return;
    case 5:
      t.UnitMultiplier = 1.0;
      t.DecadeDelta = table<int>(47, Ints{{0, 2, 0}, {3, 46, 3}});
      t.SuffixTxt = table<std::string>(28, {{0, 3, "µ"}, {4, 27, "m"}});
      t.SpiceDecadeDelta = t.DecadeDelta;
      t.SpiceSuffixTxt = table<std::string>(28, {{0, 3, "u"}, {4, 27, "m"}});
      t.UnitsSuffix = "H";
      return;
    case 6:
      t.UnitMultiplier = 1.0;
      t.DecadeDelta = thirds(27, 0, 24);
      t.SuffixTxt = table<std::string>(34, {{0, 3, "p"},
                                            {4, 6, "n"},
                                            {7, 9, "µ"},
                                            {10, 12, "m"},
                                            {13, 15, ""},
                                            {16, 18, "k"},
                                            {19, 21, "M"},
                                            {22, 24, "G"},
                                            {25, 27, "T"},
                                            {28, 30, "P"},
                                            {31, 33, "E"}});
      t.UnitsSuffix = "";
      return;
    case 7:
      t.UnitMultiplier = 1.0;
      t.DecadeDelta = fw::Array<int>(30);
      t.SuffixTxt = fw::Array<std::string>(37);
      t.UnitsSuffix = "V";
      return;
    default:
      return;  // nothing chosen, or no such row: the tables in force stay
  }
}

std::string UnitLabel(int row) {
  switch (row) {
    case 1:
      return "Ω";
    case 2:
      return "mΩ";
    case 3:
    case 4:
      return "pF";
    case 5:
      return "µH";
    case 6:
      return "none";
    case 7:
      return "V";
    default:
      return {};
  }
}

}  // namespace units
