// Reading an attribute-value text back into the form: what a text written by Go restores, and
// how the reader treats line ends, marker order, short lines and lines that are not section
// lines.

#include "generate/reader.h"

#include "generate/attributetext.h"
#include "gotest.h"

namespace {

using generate::ParseFileText;

// A text of section lines from `lines`, each ended by `end`.
std::string textOf(const std::vector<std::string>& lines, const std::string& end = "\n") {
  std::string text;
  for (const auto& line : lines) text += line + end;
  return text;
}

const std::string kParam = "*_Param_A\t1\t2\t100\t200\tLP\tLS\tTrue\tVP\tVS\tC\tFormat 1.02\t7";
const std::string kSource1 = "*_Source_1\tAVX\tP0\t3\tS0\tV0\t1\tR\tlevel=2";
const std::string kArea = "*_Area_A\t1.5\t2\t\t3\t\t\tFiller\tFiller";

class Reader : public GoTest {
 protected:
  std::string text(const std::string& name, int index = fw::kNoIndex) {
    return generate::fieldText(w().control(name, index));
  }
};

// Every control of both windows comes back as Go recorded it, the template and the unit tables
// follow through the handlers, and Go then writes the same text again.
TEST_F(Reader, ATextWrittenByGoRestoresTheWholeForm) {
  set({"SeriesPU=2",
       "ValueSuffixPU=5",
       "LibPreEF=L-",
       "LibSufEF=-S",
       "PreLOCB=True",
       "ValPreEF=V:",
       "ValSufEF= 5%",
       "RefDesPreCB=L",
       "RefDesStartEF=40",
       "ManufCB(0)=Pulse",
       "PrefixEF(0)=PE-",
       "ValFmtPU(0)=14",
       "SigDigEF(0)=2",
       "IndexStartEF(0)=7",
       "SuffixEF(0)=NL",
       "VendorEF(0)=Mouser",
       "MrkPU(0)=3",
       "ManufCB(1)=",
       "ValFmtPU(2)=4",
       "SpiceRefDesPreCB=L",
       "SpiceParamEF=ic=0",
       "LengthEF(0)=2",
       "WidthEF(1)=1.25",
       "PrefixPNCB=True",
       "StaticAttr.CategoryCB=IND",
       "StaticAttr.GmMassEF=0.02",
       "StaticAttr.URLShortDataEF=https://example.com/µH",
       "StartEF=1",
       "StopEF=10"});
  go();
  const std::string written = output();
  w().Close();
  form::StaticAttr::Instance().Close();

  EXPECT_EQ(ParseFileText(w(), written), 0);
  EXPECT_TRUE(output().empty());
  w().CheckForGo();
  go();
  gotest::expectSameText(output(), written);
  EXPECT_EQ(text("SigDigEF", 0), "2");
  EXPECT_TRUE(w().SigDigEF(0).Enabled());
  EXPECT_EQ(w().AreaEF().Text(), "3");
}

TEST_F(Reader, LineEnds) {
  struct Row {
    std::string text;
    int result;
    const char* start;  // StartEF afterwards
  };
  const std::string two = kParam + "\n" + kSource1;
  const std::vector<Row> rows = {
      {two, -1, "10"},         // two pieces: nothing is read
      {two + "\n", 0, "100"},  // three pieces
      {textOf({kParam, kSource1}, "\r\n"), 0, "100"},
      {textOf({kParam, kSource1}, "\r"), 0, "100"},
      {textOf({kParam, kSource1}, "\n"), 0, "100"},
      {"R1\t10\n" + textOf({kParam, kSource1}), 0, "10"},  // not a section line first
      {textOf({kSource1, "", kParam}), 0, "10"},           // an empty line ends the scan
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    w().Close();
    EXPECT_EQ(ParseFileText(w(), row.text), row.result);
    EXPECT_EQ(text("StartEF"), row.start);
  }
}

TEST_F(Reader, SectionsInAnyOrderAndTheLaterWins) {
  const std::string again = "*_Source_1\tKemet\tP9\t5\tS9\tV9\t2\tFiller\tFiller";
  ParseFileText(w(), textOf({kArea, kSource1, again, kParam}));
  EXPECT_EQ(text("ManufCB", 0), "Kemet");
  EXPECT_EQ(text("ValFmtPU", 0), "5");
  // "Filler" keeps the SPICE fields that the earlier line set.
  EXPECT_EQ(text("SpiceRefDesPreCB"), "R");
  EXPECT_EQ(text("SpiceParamEF"), "level=2");
  EXPECT_EQ(text("StopEF"), "200");
  EXPECT_EQ(w().LengthTotEF().Text(), "3.5");
  EXPECT_EQ(w().AreaEF().Text(), "11");
  // The template and the unit tables follow through the handlers.
  EXPECT_EQ(w().OutputLineArray[10], "Kemet");
  EXPECT_EQ(w().ResCodeFormat[13], 5);
  EXPECT_EQ(w().Units.UnitMultiplier, 1000.0);
}

// Fields past the sixth are read only from a line of the section's full length.
TEST_F(Reader, ShortLinesRestoreTheFieldsTheyAlwaysHold) {
  ParseFileText(w(), textOf({"*_Param_A\t7\t1\t0.001\t2\tLP\tLS\tTrue\tVP\tVS\tC\tFormat",
                             "*_Source_1\tAVX\tP0\t-1\tS0\tV0\t1\tR",
                             "*_Source_4\t3\t4\t5\t6\t7\t8\tTrue\tbeyond"}));
  EXPECT_EQ(text("SeriesPU"), "7");
  EXPECT_EQ(text("ValueSuffixPU"), "1");  // the file's unit, not the test series preset's
  EXPECT_EQ(text("StartEF"), "0.001");
  EXPECT_EQ(text("StopEF"), "2");
  EXPECT_EQ(text("PreLOCB"), "False");
  EXPECT_EQ(text("ValSufEF"), " 1%");
  EXPECT_EQ(text("RefDesStartEF"), "1");
  EXPECT_EQ(text("ValFmtPU", 0), "-1");
  EXPECT_EQ(text("SpiceParamEF"), "");
  EXPECT_EQ(text("IndexStartEF", 2), "8");
  EXPECT_EQ(text("PrefixPNCB"), "True");
}

TEST_F(Reader, CheckBoxesAndPopups) {
  struct Row {
    const char* field;
    const char* box;
    const char* popup;
  };
  // clang-format off
  const Row rows[] = {
      {"True", "True", "-1"}, {"False", "False", "0"}, {"true", "False", "0"},
      {"", "False", "0"}, {"2.9", "False", "2"}, {"99", "False", "-1"},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.field);
    const std::string f = row.field;
    const std::string box = "*_Source_4\t\t\t\t\t\t\t" + f;
    const std::string popup =
        "*_Source_3\t\t\t" + std::string(f == "True" ? "-1" : f) + "\t\t\t0\tFiller\tFiller";
    ParseFileText(w(), textOf({box, popup}));
    EXPECT_EQ(text("PrefixPNCB"), row.box);
    EXPECT_EQ(text("ValFmtPU", 2), row.popup);
  }
}

TEST_F(Reader, ElevenLinesAreExaminedAndUnknownMarkersPassedOver) {
  std::vector<std::string> lines(10, "*_Other\t1\t2\t3\t4\t5\t6\t7");
  lines.push_back("*_Static_3\tE\tF\tM\tS\tFiller\tFiller");  // line 11
  lines.push_back(kParam);                                    // line 12: not read
  ParseFileText(w(), textOf(lines));
  EXPECT_EQ(generate::fieldText(form::StaticAttr::Instance().control("URLShortDataEF")), "S");
  EXPECT_EQ(text("StartEF"), "10");
}

}  // namespace
