// Reading texts back into a fresh form: each case in tests/data/read is an input file
// (<name>.txt, decoded as File > Open decodes it) and what the form holds afterwards
// (<name>.expect: "result=" the reader's result, then "Name=value" or "Name(i)=value" per control,
// "StaticAttr." before a control of the Static Attributes window). Controls the expectations leave
// out are not checked.

#include "generate/reader.h"

#include <filesystem>
#include <fstream>

#include "framework/encoding.h"
#include "generate/attributetext.h"
#include "gotest.h"
#include "tempfolder.h"

namespace {

namespace fs = std::filesystem;

class Reader : public GoTest, public ::testing::WithParamInterface<fs::path> {};

TEST_P(Reader, RestoresTheFormTheTextRecords) {
  fs::path input = GetParam();
  input.replace_extension(".txt");
  const int result = generate::ParseFileText(w(), fw::DecodeText(testing_support::slurp(input)));
  std::ifstream expect(GetParam());
  for (std::string line; std::getline(expect, line);) {
    if (line.empty() || line.starts_with("#")) continue;
    const auto equals = line.find('=');
    const std::string name = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    if (name == "result") {
      EXPECT_EQ(std::to_string(result), value);
      continue;
    }
    EXPECT_EQ(generate::fieldText(formsteps::controlOf(w(), name)), value) << line;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, Reader, ::testing::ValuesIn(gotest::casesIn("read", ".expect")),
                         gotest::caseName);

}  // namespace
