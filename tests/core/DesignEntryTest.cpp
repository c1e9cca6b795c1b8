// The entry conversions: coax choice, radio choices, band presets, equivalent diameters and the
// storing of the design inputs with its failure rules.

#include "DesignTestSupport.h"
#include "core/platform/Errors.h"

namespace design_test {
namespace {

using bs::design::kCoaxEntries;

TEST(CoaxTableTest, NamesDropTheImpedanceAndKeepTheTrailingSpace) {
  ASSERT_EQ(bs::design::CoaxTable.size(), 32u);
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
    EXPECT_EQ(bs::design::CoaxNameFromEntry(bs::design::CoaxTable[c.index].text), c.name)
        << c.index;
    EXPECT_EQ(bs::design::CoaxTable[c.index].velocityFactor, c.factor) << c.index;
  }
  for (int i = 0; i < kCoaxEntries; ++i) EXPECT_EQ(bs::design::CoaxEntryAsksUser(i), i == 31) << i;
}

TEST(CoaxTableTest, NameRuleCountsCharactersNotBytes) {
  EXPECT_EQ(bs::design::CoaxNameFromEntry("Kabel 1.5 \xC3\xB6hm"), "Kabel ");
  EXPECT_EQ(bs::design::CoaxNameFromEntry("abc"), "");
}

TEST_F(DesignTest, ListedCoaxSetsFactorNameAndLabel) {
  const auto label = bs::design::NoteCoax(state, 0);
  ASSERT_TRUE(label.has_value());
  EXPECT_EQ(*label, "RG-8X (foam PE)  4:1 balun");
  EXPECT_EQ(state.CoaxName, "RG-8X (foam PE) ");
  EXPECT_EQ(state.VelocityFactor, 0.75);
  EXPECT_FALSE(bs::design::NoteCoax(state, 32).has_value());
  EXPECT_FALSE(bs::design::NoteCoax(state, -1).has_value());
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
    EXPECT_EQ(bs::design::NoteCoax(state, bs::design::kUserCoaxIndex, c.answer), c.label)
        << c.answer;
    EXPECT_EQ(state.VelocityFactor, c.factor) << c.answer;
    EXPECT_EQ(state.CoaxName, "USER set velocity fa");
  }
}

TEST_F(DesignTest, BadUserAnswerLeavesNoFactorAndTheOldName) {
  bs::design::NoteCoax(state, 12);
  try {
    bs::design::NoteCoax(state, bs::design::kUserCoaxIndex, "fast");
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
  for (const auto& c : cases) EXPECT_EQ(bs::design::DecodeChoices(c.text), c.radio) << c.text;
}

TEST_F(DesignTest, ChoicesAndBoxesSurviveReopening) {
  entries.radio = {0, 1, 0, 2, 0, 1};
  entries.edit[bs::design::kBoomBox] = "32";
  bs::design::SaveEntries(entries, state);
  EXPECT_EQ(state.DesignChoicesText, "10201");
  const auto reopened = bs::design::EntriesFromState(state);
  EXPECT_EQ(reopened.radio, entries.radio);
  EXPECT_EQ(reopened.edit, entries.edit);
}

TEST_F(DesignTest, FirstOpeningShowsStartValues) {
  EXPECT_EQ(entries.edit[bs::design::kFreqBox], "144.1");
  EXPECT_EQ(entries.edit[bs::design::kGapBox], "15");
  EXPECT_EQ(entries.edit[bs::design::kElemWidthBox], "");
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
    entries.edit[bs::design::kFreqBox] = c.freq;
    entries.edit[bs::design::kElemThickBox] = "typed";
    bs::design::ApplyBandPresets(entries);
    EXPECT_EQ(entries.edit[bs::design::kGapBox], c.gap) << c.freq;
    EXPECT_EQ(entries.edit[bs::design::kBendBox], c.bend) << c.freq;
    EXPECT_EQ(entries.edit[bs::design::kElemDiamBox], c.element) << c.freq;
    EXPECT_EQ(entries.edit[bs::design::kElemWidthBox], c.element) << c.freq;
    EXPECT_EQ(entries.edit[bs::design::kDipoleDiamBox], entries.edit[bs::design::kDipoleWidthBox]);
    EXPECT_EQ(entries.edit[bs::design::kElemThickBox], "2") << c.freq;
    EXPECT_EQ(entries.edit[bs::design::kDipoleThickBox], "2") << c.freq;
    EXPECT_EQ(entries.edit[bs::design::kBoomBox], c.boom) << c.freq;
    EXPECT_EQ(entries.edit[bs::design::kFreqBox], c.freq);
    EXPECT_EQ(entries.edit[bs::design::kDirectorsBox], "8");
  }
}

TEST_F(DesignTest, BadFrequencyChangesNoPresetBox) {
  entries.edit[bs::design::kFreqBox] = "2m";
  const auto before = entries;
  EXPECT_THROW(bs::design::ApplyBandPresets(entries), bs::ConvertError);
  EXPECT_EQ(entries.edit, before.edit);
  bs::SetDecimalSeparator(',');
  entries.edit[bs::design::kFreqBox] = "432,5";
  bs::design::ApplyBandPresets(entries);
  EXPECT_EQ(entries.edit[bs::design::kBendBox], "35");
}

TEST_F(DesignTest, ShapeBoxesMatchTheShape) {
  EXPECT_TRUE(bs::design::VisibleShapeBoxes(0).diameter);
  EXPECT_FALSE(bs::design::VisibleShapeBoxes(0).width);
  EXPECT_TRUE(bs::design::VisibleShapeBoxes(1).width);
  EXPECT_FALSE(bs::design::VisibleShapeBoxes(1).thickness);
  EXPECT_TRUE(bs::design::VisibleShapeBoxes(2).thickness);
  EXPECT_FALSE(bs::design::VisibleShapeBoxes(2).diameter);
}

TEST(StripTest, EquivalentDiameters) {
  bs::SetDecimalSeparator('.');
  EXPECT_NEAR(static_cast<double>(bs::design::StripEquivalentDiameter("10", "2")), 6.712, 1e-12);
  EXPECT_NEAR(static_cast<double>(bs::design::StripEquivalentDiameter("6", "6")), 7.08, 1e-12);
  try {
    bs::design::StripEquivalentDiameter("0", "2");
    FAIL();
  } catch (const bs::MathError& e) {
    EXPECT_STREQ(e.what(), bs::kDivisionByZero);
  }
  try {
    bs::design::StripEquivalentDiameter("0", "0");
    FAIL();
  } catch (const bs::MathError& e) {
    EXPECT_STREQ(e.what(), bs::kInvalidOperation);
  }
}

TEST_F(DesignTest, SquareAndStripShapesBecomeRoundDiameters) {
  entries.edit[bs::design::kElemWidthBox] = "10";
  entries.edit[bs::design::kDipoleWidthBox] = "10";
  entries.edit[bs::design::kDipoleThickBox] = "2";
  entries.radio[bs::design::kElementShapeGroup] = 1;
  entries.radio[bs::design::kDipoleShapeGroup] = 2;
  entries.radio[bs::design::kBoomTypeGroup] = 0;
  bs::design::StoreDesignInputs(entries, state);
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

  entries.radio[bs::design::kBoomTypeGroup] = 1;
  bs::design::StoreDesignInputs(entries, state);
  EXPECT_EQ(state.BoomSize, 25);
  EXPECT_FALSE(state.BoomIsSquare);
}

TEST_F(DesignTest, MountingCodes) {
  const char16_t codes[] = {u'Y', u'I', u'N'};
  for (int i = 0; i < 3; ++i) {
    entries.radio[bs::design::kMountingGroup] = i;
    bs::design::StoreDesignInputs(entries, state);
    EXPECT_EQ(state.BoomMount, codes[i]);
  }
}

TEST_F(DesignTest, BalunLoopFromTheChosenCoax) {
  bs::design::StoreDesignInputs(entries, state);
  EXPECT_EQ(state.BalunLoopLength, 0);  // no coax chosen in the run
  bs::design::NoteCoax(state, 12);
  bs::design::StoreDesignInputs(entries, state);
  EXPECT_NEAR(state.BalunLoopLength, 686.5465, 1e-4);
}

TEST_F(DesignTest, EmptyHiddenWidthBoxStopsCalculateAfterEarlierSteps) {
  state.BoomSize = -1;  // an old value that must survive
  entries.radio[bs::design::kElementShapeGroup] = 1;
  try {
    bs::design::StoreDesignInputs(entries, state);
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
  entries.radio[bs::design::kElementShapeGroup] = 1;
  entries.edit[bs::design::kElemWidthBox] = "10";
  entries.edit[bs::design::kElemDiamBox] = "x";
  EXPECT_THROW(bs::design::StoreDesignInputs(entries, state), bs::ConvertError);
  EXPECT_EQ(state.NumDirectors, 8);
  EXPECT_EQ(state.ElementShape, 0);  // step 5 not reached
}

TEST_F(DesignTest, MoreThanHundredDirectorsAreRefused) {
  state.NumDirectors = 5;
  entries.edit[bs::design::kDirectorsBox] = "101";
  try {
    bs::design::StoreDesignInputs(entries, state);
    FAIL() << "101 directors accepted";
  } catch (const bs::Error& e) {
    EXPECT_STREQ(e.what(), "Number of directors must not exceed 100");
  }
  EXPECT_EQ(state.DesignFreq, 144.1);
  EXPECT_EQ(state.NumDirectors, 5);
  EXPECT_EQ(state.ElementDiam, 0);
  entries.edit[bs::design::kDirectorsBox] = "100";
  bs::design::StoreDesignInputs(entries, state);
  EXPECT_EQ(state.NumDirectors, 100);
  entries.edit[bs::design::kDirectorsBox] = "8.5";
  EXPECT_THROW(bs::design::StoreDesignInputs(entries, state), bs::ConvertError);
}

TEST_F(DesignTest, ZeroFrequencyFailsAtTheBalunWithAllInputsStored) {
  entries.edit[bs::design::kFreqBox] = "0";
  entries.edit[bs::design::kGapBox] = "12";
  try {
    bs::design::StoreDesignInputs(entries, state);
    FAIL();
  } catch (const bs::MathError& e) {
    EXPECT_STREQ(e.what(), bs::kDivisionByZero);
  }
  EXPECT_EQ(state.FeedGap, 12);
  EXPECT_EQ(state.ElementDiamMm, 7);
}

TEST_F(DesignTest, CommaSeparatorParsesTheBoxes) {
  bs::SetDecimalSeparator(',');
  entries.edit[bs::design::kFreqBox] = "432,1";
  entries.edit[bs::design::kElemDiamBox] = "4,5";
  bs::design::StoreDesignInputs(entries, state);
  EXPECT_EQ(state.DesignFreq, 432.1);
  EXPECT_EQ(state.ElementDiam, 4.5);
}

}  // namespace
}  // namespace design_test
