// The manual's topic map: every topic number a screen asks for opens an existing page.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/platform/Manual.h"

namespace {

const std::string kContents = BEAMSMITH_TEST_DATA_DIR "/../../data/manual/index.html";

TEST(Manual, EveryTopicOpensAnExistingPage) {
  for (const int topic : {0, 30, 60, 70, 90, 120, 135}) {
    const std::string page = bs::ManualPage(kContents, topic);
    EXPECT_TRUE(std::filesystem::is_regular_file(page)) << topic << ": " << page;
  }
  for (const bs::ManualTopic& t : bs::ManualTopics())
    EXPECT_TRUE(std::filesystem::is_regular_file(bs::ManualPage(kContents, t.topic))) << t.topic;
}

TEST(Manual, AnUnknownTopicOpensTheContents) {
  EXPECT_EQ(bs::ManualPage(kContents, 31), bs::ManualPage(kContents, 0));
  EXPECT_NE(bs::ManualPage(kContents, 30), bs::ManualPage(kContents, 0));
}

}  // namespace
