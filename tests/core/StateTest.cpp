// The shared design state after start-up.
#include <gtest/gtest.h>

#include "core/platform/Numbers.h"
#include "core/platform/TextFile.h"
#include "core/state/StartUp.h"

TEST(StartUpSequence, GivesTheStartValues) {
  bs::YagiVar::State s;
  bs::YagiVar::StartUpSequence(s);
  EXPECT_EQ(s.DesignFreq, 0);
  EXPECT_EQ(s.VelocityFactor, 0);
  EXPECT_EQ(s.CoaxName, "");
  EXPECT_EQ(s.YOFreqFromText, "3");
  EXPECT_EQ(s.YOBoomMountText, "2");
  EXPECT_EQ(s.DesignChoicesText, "");
  EXPECT_EQ(s.DesignFreqText, "144.1");
  EXPECT_EQ(s.DesignGapText, "15");
  EXPECT_EQ(s.YOText[1], "0");
  EXPECT_EQ(s.YOText[39], "0");
  EXPECT_EQ(s.StackBeamwidthText, "30");
  EXPECT_EQ(s.DefSizeA, 19);
  EXPECT_EQ(s.DefSizeB, 23);
  EXPECT_EQ(s.ProgramDir, bs::CurrentDir());
  EXPECT_EQ(s.DirLength[100], 0);
}

TEST(StartUpSequence, StartTextsTakeTheDecimalComma) {
  bs::SetDecimalSeparator(',');
  bs::YagiVar::State s;
  bs::YagiVar::StartUpSequence(s);
  bs::SetDecimalSeparator('.');
  EXPECT_EQ(s.DesignFreqText, "144,1");
  EXPECT_EQ(s.GainFreqText, "144,1");
  EXPECT_EQ(s.StackFreqText, "144,1");
  EXPECT_EQ(s.GainBoomText, "4000");
}
