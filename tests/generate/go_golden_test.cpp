// Go against texts worked out by hand: each case in tests/data/go is a form (<name>.form, the
// settings a person makes on a fresh main window) and the exact output of one Go (<name>.txt).

#include <filesystem>
#include <fstream>
#include <sstream>

#include "gotest.h"

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<fs::path> cases() {
  std::vector<fs::path> forms;
  for (const auto& entry : fs::directory_iterator(fs::path(QUILLEX_TEST_DATA) / "go")) {
    if (entry.path().extension() == ".form") forms.push_back(entry.path());
  }
  std::sort(forms.begin(), forms.end());
  return forms;
}

class GoldenText : public GoTest, public ::testing::WithParamInterface<fs::path> {};

TEST_P(GoldenText, GoWritesTheExpectedText) {
  std::istringstream form(readFile(GetParam()));
  for (std::string line; std::getline(form, line);) {
    if (line.empty() || line.starts_with("#")) continue;
    set(line);
  }
  go();
  fs::path expected = GetParam();
  expected.replace_extension(".txt");
  const std::string want = readFile(expected);
  ASSERT_FALSE(want.empty()) << expected;
  gotest::expectSameText(output(), want);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenText, ::testing::ValuesIn(cases()), [](const auto& param) {
  std::string name = param.param.stem().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
});

}  // namespace
