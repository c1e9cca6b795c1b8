#include "core/platform/Manual.h"

#include <filesystem>

#include "core/platform/ProgramFiles.h"

namespace bs {

const std::vector<ManualTopic>& ManualTopics() {
  static const std::vector<ManualTopic> topics = {
      {0, "index.html"}, {30, "design.html"}, {60, "stacking.html"},   {70, "swr.html"},
      {90, "yo.html"},   {120, "gain.html"},  {135, "impedance.html"}, {150, "simulate.html"},
  };
  return topics;
}

std::string ManualContentsFile() {
  return ShippedFile("manual/index.html");
}

std::string ManualPage(const std::string& contentsFile, int topic) {
  std::string page = ManualTopics().front().page;
  for (const ManualTopic& t : ManualTopics())
    if (t.topic == topic) page = t.page;
  return (std::filesystem::path(contentsFile).parent_path() / page).string();
}

}  // namespace bs
