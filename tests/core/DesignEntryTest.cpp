// The entry conversions: coax choice, radio choices, band presets, equivalent diameters and the
// storing of the design inputs with its failure rules.

#include "DesignTestSupport.h"
#include "platform/Errors.h"

namespace design_test {
namespace {

using design::kCoaxEntries;

TEST(CoaxTableTest, NamesDropTheImpedanceAndKeepTheTrailingSpace) {
  ASSERT_EQ(design::CoaxTable.size(), 32u);
  const struct {
    int index;
    const char* name;
    double factor;
  } cases[] = {
      {0, "RG-8X (foam PE) ", 0.75},  {2, "RG-8 (foam PE) ", 0.8}, {9, "RG-55 (PE) ", 0.66},
      {13, "RG-58 (foam PE) ", 0.79}, {17, "RG-141 (PTFE) ", 0.7}, {28, "9913 (air PE) ", 0.84},
      {29, "9914 (foam PE) ", 0.78},  {30, "UT141C (PTFE) ", 0.7}, {31, "USER set velocity fa", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(design::CoaxNameFromEntry(design::CoaxTable[c.index].text), c.name) << c.index;
    EXPECT_EQ(design::CoaxTable[c.index].velocityFactor, c.factor) << c.index;
  }
  for (int i = 0; i < kCoaxEntries; ++i) EXPECT_EQ(design::CoaxEntryAsksUser(i), i == 31) << i;
}

TEST(CoaxTableTest, NameRuleCountsCharactersNotBytes) {
  EXPECT_EQ(design::CoaxNameFromEntry("Kabel 1.5 \xC3\xB6hm"), "Kabel ");
  EXPECT_EQ(design::CoaxNameFromEntry("abc"), "");
}

TEST_F(DesignTest, ListedCoaxSetsFactorNameAndLabel) {
  const auto label = design::NoteCoax(state, 0);
  ASSERT_TRUE(label.has_value());
  EXPECT_EQ(*label, "RG-8X (foam PE)  4:1 balun");
  EXPECT_EQ(state.CoaxName, "RG-8X (foam PE) ");
  EXPECT_EQ(state.VelocityFactor, 0.75);
  EXPECT_FALSE(design::NoteCoax(state, 32).has_value());
  EXPECT_FALSE(design::NoteCoax(state, -1).has_value());
  EXPECT_EQ(state.CoaxName, "RG-8X (foam PE) ");
}

TEST_F(DesignTest, UserCoaxTakesTheTypedFactor) {
  const struct {
    const char* answer;
    double factor;
    const char* label;
  } cases[] = {
      {"1", 1.0, "4:1 balun uses velocity factor of 1"},
      {" 0.8 ", 0.8, "4:1 balun uses velocity factor of  0.8 "},
      {"1.5", 1.5, "Velocity factor not in range"},
      {"0", 0.0, "Velocity factor not in range"},  // Cancel answers the default "0"
      {"-0.5", -0.5, "Velocity factor not in range"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(design::NoteCoax(state, design::kUserCoaxIndex, c.answer), c.label) << c.answer;
    EXPECT_EQ(state.VelocityFactor, c.factor) << c.answer;
    EXPECT_EQ(state.CoaxName, "USER set velocity fa");
  }
}

TEST_F(DesignTest, BadUserAnswerLeavesNoFactorAndTheOldName) {
  design::NoteCoax(state, 12);
  try {
    design::NoteCoax(state, design::kUserCoaxIndex, "fast");
    FAIL() << "no conversion error";
  } catch (const bs::ConvertError& e) {
    EXPECT_STREQ(e.what(), "'fast' is not a valid floating point value");
  }
  EXPECT_EQ(state.VelocityFactor, 0);
  EXPECT_EQ(state.CoaxName, "RG-58 (PE) ");
}

TEST(ChoicesTest, DecodeReadsOneCharacterPerGroup) {
  using Radio = std::array<int, 6>;
  const struct {
    const char* text;
    Radio radio;
  } cases[] = {
      {"", {0, 0, 0, 0, 0, 0}},
      {"10201", {0, 1, 0, 2, 0, 1}},
      {"99999", {0, 1, 2, 2, 2, 1}},
      {"1x2", {0, 1, 0, 2, 0, 0}},
      {"\xC3\xA9"
       "1111",
       {0, 0, 1, 1, 1, 1}},  // a non-digit character of two bytes
      {"-1111", {0, 0, 1, 1, 1, 1}},
  };
  for (const auto& c : cases) EXPECT_EQ(design::DecodeChoices(c.text), c.radio) << c.text;
}

TEST_F(DesignTest, ChoicesAndBoxesSurviveReopening) {
  entries.radio = {0, 1, 0, 2, 0, 1};
  entries.edit[design::kBoomBox] = "32";
  design::SaveEntries(entries, state);
  EXPECT_EQ(state.DesignChoicesText, "10201");
  const auto reopened = design::EntriesFromState(state);
  EXPECT_EQ(reopened.radio, entries.radio);
  EXPECT_EQ(reopened.edit, entries.edit);
}

TEST_F(DesignTest, FirstOpeningShowsStartValues) {
  EXPECT_EQ(entries.edit[design::kFreqBox], "144.1");
  EXPECT_EQ(entries.edit[design::kGapBox], "15");
  EXPECT_EQ(entries.edit[design::kElemWidthBox], "");
  EXPECT_EQ(entries.radio, (std::array<int, 6>{}));
}

TEST_F(DesignTest, BandPresetsFollowTheFrequency) {
  const struct {
    const char* freq;
    const char* gap;
    const char* bend;
    const char* element;
    const char* boom;
  } cases[] = {
      {"200", "15", "50", "7", "25"},
      {"200.01", "10", "35", "6", "25"},
      {"999.99", "10", "35", "6", "25"},
      {"1000", "5", "25", "4", "15"},
  };
  for (const auto& c : cases) {
    entries.edit[design::kFreqBox] = c.freq;
    entries.edit[design::kElemThickBox] = "typed";
    design::ApplyBandPresets(entries);
    EXPECT_EQ(entries.edit[design::kGapBox], c.gap) << c.freq;
    EXPECT_EQ(entries.edit[design::kBendBox], c.bend) << c.freq;
    EXPECT_EQ(entries.edit[design::kElemDiamBox], c.element) << c.freq;
    EXPECT_EQ(entries.edit[design::kElemWidthBox], c.element) << c.freq;
    EXPECT_EQ(entries.edit[design::kDipoleDiamBox], entries.edit[design::kDipoleWidthBox]);
    EXPECT_EQ(entries.edit[design::kElemThickBox], "2") << c.freq;
    EXPECT_EQ(entries.edit[design::kDipoleThickBox], "2") << c.freq;
    EXPECT_EQ(entries.edit[design::kBoomBox], c.boom) << c.freq;
    EXPECT_EQ(entries.edit[design::kFreqBox], c.freq);
    EXPECT_EQ(entries.edit[design::kDirectorsBox], "8");
  }
}

TEST_F(DesignTest, BadFrequencyChangesNoPresetBox) {
  entries.edit[design::kFreqBox] = "2m";
  const auto before = entries;
  EXPECT_THROW(design::ApplyBandPresets(entries), bs::ConvertError);
  EXPECT_EQ(entries.edit, before.edit);
  bs::SetDecimalSeparator(',');
  entries.edit[design::kFreqBox] = "432,5";
  design::ApplyBandPresets(entries);
  EXPECT_EQ(entries.edit[design::kBendBox], "35");
}

TEST_F(DesignTest, ShapeBoxesMatchTheShape) {
  EXPECT_TRUE(design::VisibleShapeBoxes(0).diameter);
  EXPECT_FALSE(design::VisibleShapeBoxes(0).width);
  EXPECT_TRUE(design::VisibleShapeBoxes(1).width);
  EXPECT_FALSE(design::VisibleShapeBoxes(1).thickness);
  EXPECT_TRUE(design::VisibleShapeBoxes(2).thickness);
  EXPECT_FALSE(design::VisibleShapeBoxes(2).diameter);
}

TEST(StripTest, EquivalentDiameters) {
  bs::SetDecimalSeparator('.');
  EXPECT_NEAR(static_cast<double>(design::StripEquivalentDiameter("10", "2")), 6.712, 1e-12);
  EXPECT_NEAR(static_cast<double>(design::StripEquivalentDiameter("6", "6")), 7.08, 1e-12);
  try {
    design::StripEquivalentDiameter("0", "2");
    FAIL();
  } catch (const bs::MathError& e) {
    EXPECT_STREQ(e.what(), bs::kDivisionByZero);
  }
  try {
    design::StripEquivalentDiameter("0", "0");
    FAIL();
  } catch (const bs::MathError& e) {
    EXPECT_STREQ(e.what(), bs::kInvalidOperation);
  }
}

TEST_F(DesignTest, SquareAndStripShapesBecomeRoundDiameters) {
  entries.edit[design::kElemWidthBox] = "10";
  entries.edit[design::kDipoleWidthBox] = "10";
  entries.edit[design::kDipoleThickBox] = "2";
  entries.radio[design::kElementShapeGroup] = 1;
  entries.radio[design::kDipoleShapeGroup] = 2;
  entries.radio[design::kBoomTypeGroup] = 0;
  design::StoreDesignInputs(entries, state);
  EXPECT_DOUBLE_EQ(state.ElementDiam, 11.8);
  EXPECT_EQ(state.ElementDiamMm, state.ElementDiam);
  EXPECT_DOUBLE_EQ(state.DipoleDiam, 6.712);
  EXPECT_DOUBLE_EQ(state.BoomSize, 29.5);
  EXPECT_EQ(state.BoomSizeEntered, 25);
  EXPECT_TRUE(state.BoomIsSquare);
  EXPECT_EQ(state.ElementShape, 1);
  EXPECT_EQ(state.DipoleShape, 2);
  EXPECT_EQ(state.ElementDiamText, "7");
  EXPECT_EQ(state.ElementWidthText, "10");

  entries.radio[design::kBoomTypeGroup] = 1;
  design::StoreDesignInputs(entries, state);
  EXPECT_EQ(state.BoomSize, 25);
  EXPECT_FALSE(state.BoomIsSquare);
}

TEST_F(DesignTest, MountingCodes) {
  const char16_t codes[] = {u'Y', u'I', u'N'};
  for (int i = 0; i < 3; ++i) {
    entries.radio[design::kMountingGroup] = i;
    design::StoreDesignInputs(entries, state);
    EXPECT_EQ(state.BoomMount, codes[i]);
  }
}

TEST_F(DesignTest, BalunLoopFromTheChosenCoax) {
  design::StoreDesignInputs(entries, state);
  EXPECT_EQ(state.BalunLoopLength, 0);  // no coax chosen in the run
  design::NoteCoax(state, 12);
  design::StoreDesignInputs(entries, state);
  EXPECT_NEAR(state.BalunLoopLength, 686.5465, 1e-4);
}

TEST_F(DesignTest, EmptyHiddenWidthBoxStopsCalculateAfterEarlierSteps) {
  state.BoomSize = -1;  // an old value that must survive
  entries.radio[design::kElementShapeGroup] = 1;
  try {
    design::StoreDesignInputs(entries, state);
    FAIL() << "no conversion error";
  } catch (const bs::ConvertError& e) {
    EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
  }
  EXPECT_EQ(state.DesignFreq, 144.1);
  EXPECT_EQ(state.NumDirectors, 8);
  EXPECT_EQ(state.ElementDiam, 7);
  EXPECT_EQ(state.ElementShape, 1);
  EXPECT_EQ(state.ElementDiamText, "7");
  EXPECT_EQ(state.BoomSize, -1);
}

TEST_F(DesignTest, HiddenDiameterBoxIsParsedToo) {
  entries.radio[design::kElementShapeGroup] = 1;
  entries.edit[design::kElemWidthBox] = "10";
  entries.edit[design::kElemDiamBox] = "x";
  EXPECT_THROW(design::StoreDesignInputs(entries, state), bs::ConvertError);
  EXPECT_EQ(state.NumDirectors, 8);
  EXPECT_EQ(state.ElementShape, 0);  // step 5 not reached
}

TEST_F(DesignTest, MoreThanHundredDirectorsAreRefused) {
  state.NumDirectors = 5;
  entries.edit[design::kDirectorsBox] = "101";
  try {
    design::StoreDesignInputs(entries, state);
    FAIL() << "101 directors accepted";
  } catch (const bs::Error& e) {
    EXPECT_STREQ(e.what(), "Number of directors must not exceed 100");
  }
  EXPECT_EQ(state.DesignFreq, 144.1);
  EXPECT_EQ(state.NumDirectors, 5);
  EXPECT_EQ(state.ElementDiam, 0);
  entries.edit[design::kDirectorsBox] = "100";
  design::StoreDesignInputs(entries, state);
  EXPECT_EQ(state.NumDirectors, 100);
  entries.edit[design::kDirectorsBox] = "8.5";
  EXPECT_THROW(design::StoreDesignInputs(entries, state), bs::ConvertError);
}

TEST_F(DesignTest, ZeroFrequencyFailsAtTheBalunWithAllInputsStored) {
  entries.edit[design::kFreqBox] = "0";
  entries.edit[design::kGapBox] = "12";
  try {
    design::StoreDesignInputs(entries, state);
    FAIL();
  } catch (const bs::MathError& e) {
    EXPECT_STREQ(e.what(), bs::kDivisionByZero);
  }
  EXPECT_EQ(state.FeedGap, 12);
  EXPECT_EQ(state.ElementDiamMm, 7);
}

TEST_F(DesignTest, CommaSeparatorParsesTheBoxes) {
  bs::SetDecimalSeparator(',');
  entries.edit[design::kFreqBox] = "432,1";
  entries.edit[design::kElemDiamBox] = "4,5";
  design::StoreDesignInputs(entries, state);
  EXPECT_EQ(state.DesignFreq, 432.1);
  EXPECT_EQ(state.ElementDiam, 4.5);
}

}  // namespace
}  // namespace design_test
