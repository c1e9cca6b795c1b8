#pragma once
// The Manual commands of the screens. The base command opens the manual at its contents; a
// screen's own command may run the base command first and then ask for its topic. Both help
// files the screens name ("\Help\Zuzo.chm" and "\Zuzo.chm" under the program directory) lead
// to the one shipped HTML manual (core/platform/Manual.h).
//
// One Manual command opens one page and shows at most one message: while a ManualCommand is
// running, the requests are gathered and only the last one (the screen's topic) goes to the
// help viewer when the command finishes. The base form runs every Help, Manual click that way.

namespace bs::gui {

void ShowManualContents();
// backslashName: the help file the screen asks for; every name opens the same manual.
void ShowManualTopic(const char* backslashName, int topic);

class ManualCommand {
 public:
  ManualCommand();
  ~ManualCommand();
  ManualCommand(const ManualCommand&) = delete;
  ManualCommand& operator=(const ManualCommand&) = delete;
  // Hands the last request to the help viewer.
  void Finish();
};

}  // namespace bs::gui
