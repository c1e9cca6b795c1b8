// The complete report against golden files, and the report's variable lines.
#include <fstream>
#include <sstream>

#include "DesignTestSupport.h"
#include "support/TextFiles.h"

namespace design_test {
namespace {

using testing_support::SameText;
using testing_support::TestData;

struct GoldenCase {
  const char* file;
  char separator;
  bool exampleB;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
  *os << c.file;
}

class DesignGoldenTest : public DesignTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(DesignGoldenTest, CompleteReportByteForByte) {
  const GoldenCase& c = GetParam();
  bs::SetDecimalSeparator(c.separator);
  if (c.exampleB) {
    ExampleB();
  } else {
    ExampleA();
    bs::design::NoteCoax(state, 12);  // RG-58, for the balun line
  }
  entries.edit[bs::design::kFreqBox] = c.separator == ',' ? "144,1" : "144.1";
  Calculate();
  const std::string golden = TestData(c.file);
  ASSERT_FALSE(golden.empty()) << c.file;
  EXPECT_TRUE(SameText(golden, report.Text())) << c.file;
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, DesignGoldenTest,
                         ::testing::Values(GoldenCase{"design_report_a_point.txt", '.', false},
                                           GoldenCase{"design_report_a_comma.txt", ',', false},
                                           GoldenCase{"design_report_b_point.txt", '.', true},
                                           GoldenCase{"design_report_b_comma.txt", ',', true}),
                         [](const auto& info) {
                           std::string name = info.param.file;
                           name = name.substr(0, name.find('.'));
                           return name;
                         });

TEST_F(DesignTest, ShapeLinesNameTheTypedTexts) {
  entries.edit[bs::design::kElemWidthBox] = "10";
  entries.edit[bs::design::kElemThickBox] = "2";
  entries.edit[bs::design::kDipoleWidthBox] = "12";
  entries.edit[bs::design::kDipoleThickBox] = "3";
  const struct {
    int element, dipole;
    const char* heading;
    const char* elementGuide;
    const char* dipoleGuide;
  } cases[] = {
      {1, 2, "Director/reflector square section =10 mm\r\nRadiator strip =12 mm by 3 mm\r\n\r\n",
       "mm of square section 10mm\r\n", "mm of flat section 12mm by 3mm\r\n"},
      {2, 1, "Director/reflector strip =10 mm by 2 mm\r\nRadiator square section =12 mm\r\n\r\n",
       "mm of flat section 10mm by 2mm\r\n", "mm of square section 12mm\r\n"},
  };
  for (const auto& c : cases) {
    entries.radio[bs::design::kElementShapeGroup] = c.element;
    entries.radio[bs::design::kDipoleShapeGroup] = c.dipole;
    Calculate();
    const auto& text = report.Text();
    EXPECT_NE(text.find(c.heading), std::string::npos) << c.heading;
    EXPECT_NE(text.find("directors and reflector "), std::string::npos);
    const auto guide1 = text.substr(text.find("1) Length used"));
    EXPECT_EQ(guide1.substr(guide1.find("mm"), guide1.find("\r\n") + 2 - guide1.find("mm")),
              c.elementGuide);
    const auto guide2 = text.substr(text.find("2) Length used"));
    EXPECT_TRUE(EndsWith(guide2.substr(0, guide2.find("\r\n") + 2), c.dipoleGuide));
  }
}

TEST_F(DesignTest, BalunLineOnlyForAUsableFactor) {
  const struct {
    const char* answer;
    const char* line;  // nullptr: no balun line
  } cases[] = {
      {"1",
       "A half wave 4:1 balun uses 1.00 velocity factor coax and is 1040 mm long plus "
       "leads\r\nFOLDED"},
      {"1.5", nullptr},
      {"0", nullptr},
  };
  for (const auto& c : cases) {
    state.CoaxName.clear();
    bs::design::NoteCoax(state, bs::design::kUserCoaxIndex, c.answer);
    Calculate();
    const auto at = report.Text().find("A half wave");
    if (c.line == nullptr) {
      EXPECT_EQ(at, std::string::npos) << c.answer;
    } else {
      EXPECT_EQ(report.Text().find(c.line), at) << report.Text();
    }
    EXPECT_EQ(state.CoaxName, "coax");
  }
}

TEST_F(DesignTest, UserCoaxIsNamedByTheBalunDialogFromThenOn) {
  bs::design::NoteCoax(state, bs::design::kUserCoaxIndex, "0.8");
  Calculate();
  EXPECT_NE(report.Text().find(" velocity factor coax and is "), std::string::npos);
  const auto labels = bs::design::FixLabels(state);
  EXPECT_EQ(labels.coax, "User defined coax");
  EXPECT_EQ(labels.loopLength, "832 mm");
  Calculate();
  EXPECT_NE(report.Text().find(" velocity factor User defined coax and is "), std::string::npos);
}

}  // namespace
}  // namespace design_test
