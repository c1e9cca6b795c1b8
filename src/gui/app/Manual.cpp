#include "gui/app/Manual.h"

#include <optional>

#include "core/platform/Dialogs.h"
#include "core/platform/Manual.h"

namespace bs::gui {

namespace {

struct Gathering {
  bool active = false;
  std::optional<int> topic;
};

Gathering& Pending() {
  static Gathering gathering;
  return gathering;
}

void RequestTopic(int topic) {
  if (Pending().active) {
    Pending().topic = topic;
    return;
  }
  bs::TheDialogs().ShowHelp(bs::ManualContentsFile(), topic);
}

}  // namespace

void ShowManualContents() {
  RequestTopic(0);
}

void ShowManualTopic(const char*, int topic) {
  RequestTopic(topic);
}

ManualCommand::ManualCommand() {
  Pending() = Gathering{true, std::nullopt};
}

ManualCommand::~ManualCommand() {
  Pending() = Gathering{};
}

void ManualCommand::Finish() {
  const std::optional<int> topic = Pending().topic;
  Pending() = Gathering{};
  if (topic) bs::TheDialogs().ShowHelp(bs::ManualContentsFile(), *topic);
}

}  // namespace bs::gui
