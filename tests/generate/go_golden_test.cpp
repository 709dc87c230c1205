// Go against texts worked out by hand: each case in tests/data/go is a form (<name>.form, the
// settings a person makes on a fresh main window) and the exact output of one Go (<name>.txt).

#include <filesystem>
#include <fstream>
#include <sstream>

#include "gotest.h"
#include "tempfolder.h"

namespace {

namespace fs = std::filesystem;

class GoldenText : public GoTest, public ::testing::WithParamInterface<fs::path> {};

TEST_P(GoldenText, GoWritesTheExpectedText) {
  std::istringstream form(testing_support::slurp(GetParam()));
  for (std::string line; std::getline(form, line);) {
    if (line.empty() || line.starts_with("#")) continue;
    set(line);
  }
  go();
  fs::path expected = GetParam();
  expected.replace_extension(".txt");
  const std::string want = testing_support::slurp(expected);
  ASSERT_FALSE(want.empty()) << expected;
  gotest::expectSameText(output(), want);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenText, ::testing::ValuesIn(gotest::casesIn("go", ".form")),
                         gotest::caseName);

}  // namespace
