#pragma once

// The rows of the data files under tests/data, and the standard series. Test code only.

#include <map>
#include <string>
#include <vector>

#include "tables.h"

namespace units_test {

// The rows of tests/data/<file>.
inline std::vector<std::vector<std::string>> rows(const std::string& file) {
  return tables::rowsOf(file);
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
