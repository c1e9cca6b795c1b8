// Placement section names and first-run sizing.
#include <gtest/gtest.h>

#include "core/platform/Placement.h"

TEST(MonitorProfile, DescribesTheLastMonitor) {
  EXPECT_EQ(bs::MonitorProfile({{0, 0, 1920, 1080, true}}), "0  0  00=0DPI(True,0,0,1920,1080)");
  EXPECT_EQ(bs::MonitorProfile({{0, 0, 1920, 1080, true}, {1920, -120, 1280, 1024, false}}),
            "1  1920  -1201=-120DPI(False,1920,-120,1280,1024)");
  EXPECT_EQ(bs::MonitorProfile({}), "");
}

TEST(FirstRunSizing, FourFifthsOfTheWorkArea) {
  const auto s = bs::FirstRunSizing(1040, 988);
  EXPECT_EQ(s.defSizeA, 208);
  EXPECT_EQ(s.defSizeB, 247);
}

TEST(IniPathForExecutable, ReplacesAnyExtension) {
  EXPECT_EQ(bs::IniPathForExecutable("/opt/bs/Beamsmith"), "/opt/bs/Beamsmith.ini");
  EXPECT_EQ(bs::IniPathForExecutable("/opt/bs/Zuzo.exe"), "/opt/bs/Zuzo.ini");
  EXPECT_EQ(bs::IniPathForExecutable("/opt/b.s/Beamsmith"), "/opt/b.s/Beamsmith.ini");
}
