// Cases worked out by hand, one pair of files each. In tests/data/go: a form (<name>.form, the
// settings a person makes on a fresh main window, one a line) and the exact output of one Go
// (<name>.txt). In tests/data/read: an input file (<name>.txt, decoded as File > Open decodes it)
// and what the form holds after reading it (<name>.expect: "result=" the reader's result, then
// "Name=value" or "Name(i)=value" per control, "StaticAttr." before a control of the Static
// Attributes window; controls the expectations leave out are not checked; "go=" then presses Go,
// which must write the text's section lines back as they stand).

#include <algorithm>
#include <filesystem>

#include "framework/encoding.h"
#include "generate/attributetext.h"
#include "generate/reader.h"
#include "gotest.h"
#include "tempfolder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::slurp;

// The cases of tests/data/<folder>, in name order: each named after its file ending in
// `extension` there, whose path in tests/data ("go/name.form") is its one cell.
std::vector<tables::Row> casesIn(const std::string& folder, const char* extension) {
  std::vector<tables::Row> found;
  for (const auto& entry : fs::directory_iterator(fs::path(QUILLEX_TEST_DATA) / folder)) {
    if (entry.path().extension() != extension) continue;
    const fs::path& file = entry.path();
    found.push_back({tables::testName(file.stem()), {folder + "/" + file.filename().string()}});
  }
  std::ranges::sort(found, {}, &tables::Row::name);
  return found;
}
// The file of the case `row` with `extension` instead of its own.
fs::path fileOf(const tables::Row& row, const char* extension) {
  return (fs::path(QUILLEX_TEST_DATA) / row[0]).replace_extension(extension);
}

class GoldenText : public GoTest, public ::testing::WithParamInterface<tables::Row> {};

TEST_P(GoldenText, GoWritesTheExpectedText) {
  for (const auto& setting : tables::linesOf(GetParam()[0])) set(setting);
  go();
  const std::string want = slurp(fileOf(GetParam(), ".txt"));
  ASSERT_FALSE(want.empty());
  EXPECT_EQ(output(), want);
}

// The first nine lines of a text: the section lines, where Go wrote it.
std::vector<std::string> sectionLinesOf(const std::string& text) {
  auto lines = tables::split(text, '\n');
  lines.resize(generate::kSectionCount);
  return lines;
}

class Reader : public GoTest, public ::testing::WithParamInterface<tables::Row> {};

TEST_P(Reader, RestoresTheFormTheTextRecords) {
  const std::string text = fw::DecodeText(slurp(fileOf(GetParam(), ".txt")));
  const int result = generate::ParseFileText(w(), text);
  for (const auto& line : tables::linesOf(GetParam()[0])) {
    const auto equals = line.find('=');
    const std::string name = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    if (name == "result") {
      EXPECT_EQ(std::to_string(result), value);
    } else if (name == "go") {  // Go then writes the text's section lines back as they stand
      forceGo();
      EXPECT_EQ(sectionLinesOf(output()), sectionLinesOf(text));
    } else {
      EXPECT_EQ(generate::fieldText(formsteps::controlOf(w(), name)), value) << line;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenText, ::testing::ValuesIn(casesIn("go", ".form")),
                         tables::nameOf);
INSTANTIATE_TEST_SUITE_P(Cases, Reader, ::testing::ValuesIn(casesIn("read", ".expect")),
                         tables::nameOf);

}  // namespace
