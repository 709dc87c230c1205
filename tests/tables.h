#pragma once

// The tables in tests/data: TAB-separated rows worked out by hand; lines that start with # are
// comments.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace tables {

// The parts of `text` between the separators, empty ones included.
inline std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  for (size_t start = 0;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

// The lines of tests/data/`name` that are neither empty nor comments.
inline std::vector<std::string> linesOf(const std::string& name) {
  std::ifstream in(std::string(QUILLEX_TEST_DATA) + "/" + name);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && !line.starts_with("#")) lines.push_back(line);
  }
  EXPECT_FALSE(lines.empty()) << name;
  return lines;
}

// The rows of the table tests/data/`name`, each of `columns` columns (any number for 0).
inline std::vector<std::vector<std::string>> rowsOf(const std::string& name, size_t columns = 0) {
  std::vector<std::vector<std::string>> rows;
  for (const auto& line : linesOf(name)) {
    rows.push_back(split(line, '\t'));
    if (columns == 0) continue;
    EXPECT_EQ(rows.back().size(), columns) << line;
    rows.back().resize(columns);
  }
  return rows;
}

}  // namespace tables
