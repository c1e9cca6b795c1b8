#pragma once
// The user manual: HTML pages shipped in the folder "manual" (data/manual in the source tree),
// opened in the desktop's web browser through the help viewer of the dialogs interface. The
// screens ask for "Zuzo.chm" under the program directory, at its contents or at a topic number;
// both names lead to this one manual, and each topic number to its screen's page.
//
// A new screen with its own Manual topic adds one row to the table in Manual.cpp and its page
// to data/manual; the manual test checks that every topic has its page.
#include <string>
#include <vector>

namespace bs {

struct ManualTopic {
  int topic;         // the help topic number a screen asks for (0: the contents)
  std::string page;  // file name inside the manual folder
};

// Every topic number with its page, the contents (0) first.
const std::vector<ManualTopic>& ManualTopics();
// The manual's contents page (a shipped file, see core/platform/ProgramFiles.h).
std::string ManualContentsFile();
// The page of a topic beside the given contents page; an unknown topic gives the contents.
std::string ManualPage(const std::string& contentsFile, int topic);

}  // namespace bs
