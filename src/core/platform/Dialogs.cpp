#include "core/platform/Dialogs.h"

#include <iostream>

namespace bs {

namespace {

// Used where no desktop is present: messages go to standard error, questions get their
// default answers and every dialog counts as cancelled.
class HeadlessDialogs final : public Dialogs {
 public:
  void ShowMessage(const std::string& text) override { std::cerr << text << '\n'; }
  bool Confirm(const std::string&, ConfirmButtons) override { return false; }
  std::string InputBox(const std::string&, const std::string&,
                       const std::string& defaultAnswer) override {
    return defaultAnswer;
  }
  std::optional<std::string> OpenFile(const FileDialogOptions&) override { return {}; }
  std::optional<std::string> SaveFile(const FileDialogOptions&) override { return {}; }
  bool PrintDialog() override { return false; }
  void Beep() override {}
  void ShowHelp(const std::string& helpFile, int) override {
    std::cerr << "Cannot open the manual " << helpFile << '\n';
  }
};

HeadlessDialogs g_headless;
Dialogs* g_installed = nullptr;

}  // namespace

Dialogs& TheDialogs() {
  return g_installed ? *g_installed : g_headless;
}
void InstallDialogs(Dialogs* dialogs) {
  g_installed = dialogs;
}

}  // namespace bs
