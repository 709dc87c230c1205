#pragma once

// The tables in tests/data: TAB-separated rows worked out by hand; lines that start with # are
// comments. A table's rows become the cases of a value-parameterised suite, each named after its
// row, so a failing row is named in the output and runs alone (--gtest_filter=*/its_name).

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <ostream>
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

// The lines of tests/data/`name` that are neither empty nor comments. A missing or empty table
// fails the test program.
inline std::vector<std::string> linesOf(const std::string& name) {
  std::ifstream in(std::string(QUILLEX_TEST_DATA) + "/" + name);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && !line.starts_with("#")) lines.push_back(line);
  }
  EXPECT_FALSE(lines.empty()) << name;
  return lines;
}

// `text` with every "\xHH" replaced by the byte it names, so a table can hold bytes that are not
// UTF-8.
inline std::string unescape(const std::string& text) {
  std::string bytes;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\\x") == 0 && i + 4 <= text.size()) {
      bytes += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else {
      bytes += text[i];
    }
  }
  return bytes;
}

// One row of a table: its name and its cells.
struct Row {
  std::string name;
  std::vector<std::string> cells;
  const std::string& operator[](size_t i) const { return cells.at(i); }
};

inline void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

// `text` as a test name: its letters and digits, every other run of characters one "_".
inline std::string testName(const std::string& text) {
  std::string name;
  for (const char c : text + " ") {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
      name += c;
    } else if (!name.empty() && !name.ends_with('_')) {
      name += '_';
    }
  }
  return name.substr(0, name.size() - 1);
}

// The rows of tests/data/`table`, each of `columns` cells (any number for 0), named after their
// first `named` cells; a name that an earlier row has already gets its row's number.
inline std::vector<Row> rowsOf(const std::string& table, size_t columns = 0, size_t named = 1) {
  std::vector<Row> rows;
  std::map<std::string, int> taken;
  for (const auto& line : linesOf(table)) {
    Row row{"", split(line, '\t')};
    if (columns != 0) {
      EXPECT_EQ(row.cells.size(), columns) << line;
      row.cells.resize(columns);
    }
    for (size_t i = 0; i < named && i < row.cells.size(); ++i) row.name += row.cells[i] + " ";
    row.name = testName(row.name);
    if (row.name.empty() || taken[row.name]++ > 0)
      row.name += "_" + std::to_string(rows.size() + 1);
    rows.push_back(std::move(row));
  }
  return rows;
}

// The test name of a row.
inline std::string nameOf(const ::testing::TestParamInfo<Row>& info) { return info.param.name; }

}  // namespace tables
