// The element calculation: worked examples, boom correction, director spacing and tables,
// the carried-over state, the thickness warning and arithmetic faults.
#include <algorithm>
#include <cctype>
#include <functional>

#include "DesignTestSupport.h"
#include "core/platform/Errors.h"

namespace design_test {
namespace {

struct Expected {
  const char* name;
  double actual;
  double value;
};

void ExpectTwoDecimals(std::initializer_list<Expected> values) {
  for (const auto& v : values) EXPECT_NEAR(v.actual, v.value, 0.005) << v.name;
}

TEST_F(DesignTest, WorkedExampleA) {
  ExampleA();
  Calculate();
  const auto& s = state;
  ExpectTwoDecimals({
      {"wavelength", s.Wavelength, 2080.44},
      {"boom correction", s.BoomCorrection, 0},
      {"reflector", s.ReflectorLength, 1016.41},
      {"single dipole", s.SingleDipoleLength, 980.04},
      {"folded dipole", s.FoldedDipoleLength, 999.64},
      {"dipole spacing", s.DipoleSpacing, 416.09},
      {"director 1 length", s.DirLength[1], 926.88},
      {"director 1 spacing", s.DirSpacing[1], 156.03},
      {"director 1 boom position", s.DirPosition[1] + 30, 602.12},
      {"director 1 IT", static_cast<double>(bs::design::ElementIT(s, s.DirLength[1])), 451.0},
      {"director 1 gain", static_cast<double>(bs::design::BoomGain(s, s.DirPosition[1])), 4.77},
      {"director 8 length", s.DirLength[8], 875.30},
      {"director 8 spacing", s.DirSpacing[8], 686.55},
      {"director 8 boom position", s.DirPosition[8] + 30, 4492.55},
      {"director 8 IT", static_cast<double>(bs::design::ElementIT(s, s.DirLength[8])), 425.0},
      {"director 8 gain", s.DirectorGain, 11.74},
      {"total boom", s.BoomLength + 30, 4522.55},
      {"tolerance", static_cast<double>(bs::design::LengthTolerance(s)), 6.24},
      {"beamwidth", static_cast<double>(bs::design::BeamWidth(s.DirectorGain)), 41.09},
  });
  EXPECT_EQ(s.DirLength[9], 0);
  EXPECT_EQ(s.DirectorNumber, 8);
  EXPECT_EQ(s.ElementDiamMm, 7);
  EXPECT_TRUE(dialogs.events.empty());
}

TEST_F(DesignTest, WorkedExampleBAndInsulatedVariant) {
  ExampleB();
  Calculate();
  EXPECT_NEAR(state.BoomCorrection, 0.004540, 5e-7);
  ExpectTwoDecimals({
      {"boom correction mm", state.BoomCorrection * state.Wavelength, 9.44},
      {"reflector", state.ReflectorLength, 1025.86},
      {"single dipole", state.SingleDipoleLength, 980.04},
      {"folded dipole", state.FoldedDipoleLength, 1009.28},
      {"director 1", state.DirLength[1], 936.32},
      {"director 1 IT", static_cast<double>(bs::design::ElementIT(state, state.DirLength[1])),
       455.5},
  });
  entries.radio[bs::design::kMountingGroup] = 1;
  Calculate();
  ExpectTwoDecimals({
      {"insulated correction mm", state.BoomCorrection * state.Wavelength, 4.72},
      {"insulated reflector", state.ReflectorLength, 1021.14},
      {"insulated director 1", state.DirLength[1], 931.60},
  });
  EXPECT_NE(report.Text().find("Parasitic elements insulated through a square section metal boom "
                               "25 mm across.\r\n"),
            std::string::npos);
}

TEST_F(DesignTest, BoomCorrectionIsTheSmallerFormula) {
  entries.radio = {0, 1, 0, 0, 0, 0};  // round boom, bonded
  const struct {
    const char* boom;
    bool linear;  // 0.666 B below 12 B^2 + 0.15 B (a boom above about 0.043 wavelength)
  } cases[] = {{"80", false}, {"100", true}};
  for (const auto& c : cases) {
    entries.edit[bs::design::kBoomBox] = c.boom;
    Calculate();
    const long double b = std::stold(c.boom) / state.Wavelength;
    const long double expected = c.linear ? 0.666L * b : 12 * b * b + 0.15L * b;
    EXPECT_NEAR(state.BoomCorrection, static_cast<double>(expected), 1e-15) << c.boom;
  }
}

TEST_F(DesignTest, SpacingTableEndsAtFourTenths) {
  entries.edit[bs::design::kDirectorsBox] = "16";
  Calculate();
  EXPECT_DOUBLE_EQ(state.DirSpacing[13], 0.39 * state.Wavelength);
  EXPECT_DOUBLE_EQ(state.DirSpacing[14], 0.395 * state.Wavelength);
  EXPECT_DOUBLE_EQ(state.DirSpacing[15], 0.4 * state.Wavelength);
  EXPECT_DOUBLE_EQ(state.DirSpacing[16], 0.4 * state.Wavelength);
  EXPECT_EQ(state.DirSpacing[17], 0);
  EXPECT_NEAR(state.DirPosition[16] - state.DirPosition[15], 0.4 * state.Wavelength, 1e-9);
}

TEST_F(DesignTest, FewerDirectorsClearTheOldTableEntries) {
  entries.edit[bs::design::kDirectorsBox] = "100";
  Calculate();
  EXPECT_GT(state.DirLength[100], 0);
  EXPECT_DOUBLE_EQ(state.DirSpacing[100], 0.4 * state.Wavelength);
  entries.edit[bs::design::kDirectorsBox] = "3";
  Calculate();
  EXPECT_GT(state.DirLength[3], 0);
  for (int n = 4; n <= 100; ++n) {
    ASSERT_EQ(state.DirLength[n], 0) << n;
    ASSERT_EQ(state.DirSpacing[n], 0) << n;
    ASSERT_EQ(state.DirPosition[n], 0) << n;
  }
}

TEST_F(DesignTest, EngineRefusesTablesPastHundred) {
  bs::design::StoreDesignInputs(entries, state);
  state.NumDirectors = 101;  // as another screen might leave it
  try {
    bs::design::Yagidimensions(state, report);
    FAIL() << "101 directors computed";
  } catch (const bs::Error& e) {
    EXPECT_STREQ(e.what(), bs::design::kTooManyDirectors);
  }
  EXPECT_TRUE(EndsWith(report.Text(), "(dBd)\t(dBi)\r\n"));
  EXPECT_TRUE(
      std::all_of(state.DirLength.begin(), state.DirLength.end(), [](double v) { return v == 0; }));
}

TEST_F(DesignTest, NoDirectorsAfterStartUp) {
  entries.edit[bs::design::kDirectorsBox] = "0";
  Calculate();
  EXPECT_EQ(state.BoomLength, state.DipoleSpacing + 30);
  EXPECT_NEAR(static_cast<double>(bs::design::BeamWidth(state.DirectorGain)), 158.7, 0.1);
  const auto& text = report.Text();
  EXPECT_NE(text.find("(dBd)\t(dBi)\r\n\r\nCOMMENTS\r\n"), std::string::npos);
  EXPECT_NE(text.find("The total boom length is 476 mm"), std::string::npos);
  EXPECT_NE(text.find("beamwidth is 159 deg"), std::string::npos);
  EXPECT_TRUE(
      std::all_of(state.DirLength.begin(), state.DirLength.end(), [](double v) { return v == 0; }));
}

TEST_F(DesignTest, NoDirectorsKeepTheLastGainAndNegativeCountsComputeNoRows) {
  Calculate();
  const double gain = state.DirectorGain;
  entries.edit[bs::design::kDirectorsBox] = "-3";
  Calculate();
  EXPECT_EQ(state.DirectorGain, gain);
  EXPECT_NE(report.Text().find("(dBi)\r\n\r\nCOMMENTS"), std::string::npos);
  EXPECT_NE(report.Text().find("beamwidth is 41 deg"), std::string::npos);
}

TEST_F(DesignTest, ThicknessWarningAtUhfUsesTheLastDirectorNumber) {
  entries.edit[bs::design::kFreqBox] = "1296";
  bs::design::ApplyBandPresets(entries);  // 4 mm elements
  entries.radio[bs::design::kMountingGroup] = 2;
  Calculate();
  EXPECT_EQ(report.Notices(), std::vector<std::string>{bs::design::kThicknessWarning});
  EXPECT_TRUE(dialogs.Messages().empty());  // the core shows no dialog itself
  EXPECT_NE(report.Text().find("MATERIALS GUIDE"), std::string::npos);  // and goes on

  state = bs::YagiVar::State{};
  bs::YagiVar::StartUp(state);
  dialogs.events.clear();
  entries.edit[bs::design::kElemDiamBox] = "3";
  Calculate();
  EXPECT_TRUE(report.Notices().empty());
  // The second calculation checks with director 8, whose shorter length the 3 mm rod exceeds.
  Calculate();
  EXPECT_EQ(report.Notices().size(), 1u);
}

TEST_F(DesignTest, SecondCalculationGivesTheSameReport) {
  ExampleB();
  bs::design::NoteCoax(state, 12);
  Calculate();
  const std::string first = report.Text();
  const auto lengths = state.DirLength;
  Calculate();
  EXPECT_EQ(report.Text(), first);
  EXPECT_EQ(state.DirLength, lengths);
}

TEST_F(DesignTest, InsertToRoundsHalvesToEven) {
  state.BoomSizeEntered = 25;
  EXPECT_EQ(bs::design::ElementIT(state, 462.5), 218.5L);
  EXPECT_EQ(bs::design::ElementIT(state, 463.5), 219.5L);
  EXPECT_EQ(bs::design::ElementIT(state, 463.49), 219.0L);
}

struct FaultCase {
  const char* name;
  bs::design::Box box;
  const char* text;
  const char* message;
  const char* reportTail;  // how the report ends after the fault
};

void PrintTo(const FaultCase& c, std::ostream* os) {
  *os << c.name;
}

class DesignFaultTest : public DesignTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(DesignFaultTest, ArithmeticFaultEndsTheReportAtItsStep) {
  const FaultCase& c = GetParam();
  ExampleA();
  entries.edit[c.box] = c.text;
  try {
    bs::design::StoreDesignInputs(entries, state);
  } catch (const bs::MathError&) {
    // a zero frequency already fails at the balun loop; the engine must fail on its own too
  }
  try {
    bs::design::Yagidimensions(state, report);
    FAIL() << "no arithmetic fault";
  } catch (const bs::MathError& e) {
    EXPECT_STREQ(e.what(), c.message);
  }
  EXPECT_TRUE(EndsWith(report.Text(), c.reportTail)) << report.Text();
  std::string lower = report.Text();
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  EXPECT_EQ(lower.find("inf"), std::string::npos);
  EXPECT_EQ(lower.find("nan"), std::string::npos);
}

constexpr const char* kHeadingEnd = "Radiator diam =10 mm\r\n\r\n";

INSTANTIATE_TEST_SUITE_P(
    Faults, DesignFaultTest,
    ::testing::Values(
        FaultCase{"ZeroFrequency", bs::design::kFreqBox, "0", bs::kDivisionByZero, ""},
        FaultCase{"NegativeFrequency", bs::design::kFreqBox, "-144.1", bs::kInvalidOperation,
                  kHeadingEnd},
        FaultCase{"ZeroElement", bs::design::kElemDiamBox, "0", bs::kDivisionByZero, kHeadingEnd},
        FaultCase{"NegativeElement", bs::design::kElemDiamBox, "-7", bs::kInvalidOperation,
                  kHeadingEnd},
        FaultCase{"ZeroDipole", bs::design::kDipoleDiamBox, "0", bs::kDivisionByZero,
                  "Radiator diam =0 mm\r\n\r\n"},
        FaultCase{"NegativeDipole", bs::design::kDipoleDiamBox, "-10", bs::kInvalidOperation,
                  "Radiator diam =-10 mm\r\n\r\n"},
        FaultCase{"ZeroBend", bs::design::kBendBox, "0", bs::kDivisionByZero,
                  "FOLDED DIPOLE CONSTRUCTION\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace design_test
