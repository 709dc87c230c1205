#pragma once

// The rows of the data files under tests/data, and the standard series. Test code only.

#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/text.h"

namespace units_test {

using Rows = std::vector<std::vector<std::string>>;

// The rows of tests/data/<file>, split at tabs; comment lines (#) and blank lines left out.
inline Rows rows(const std::string& file) {
  std::ifstream in(std::string(QUILLEX_TEST_DATA) + "/" + file);
  if (!in) throw std::runtime_error("cannot read " + file);
  Rows result;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    const auto fields = fw::SplitB(line, "\t");
    result.emplace_back(fields.begin(), fields.end());
  }
  return result;
}

// The IEC 60063 series and the 1-2-5 series by values per decade: the significant digits of one
// decade, as the standard lists them.
inline std::map<int, std::vector<int>> standardSeries() {
  std::map<int, std::vector<int>> series;
  for (const auto& row : rows("units/eseries.tsv")) {
    for (size_t i = 1; i < row.size(); ++i) series[std::stoi(row[0])].push_back(std::stoi(row[i]));
  }
  return series;
}

}  // namespace units_test
