#pragma once
// The dialogs of a program without a desktop: a message becomes a warning on standard error and
// is kept for the JSON output; questions get their default answers.
#include <ostream>
#include <string>
#include <vector>

#include "core/platform/Dialogs.h"

namespace bs::cli {

class CliDialogs final : public bs::Dialogs {
 public:
  explicit CliDialogs(std::ostream& warnings) : stream_(warnings) {}

  void ShowMessage(const std::string& text) override { Warn(text); }
  bool Confirm(const std::string&, bs::ConfirmButtons) override { return false; }
  std::string InputBox(const std::string&, const std::string&,
                       const std::string& defaultAnswer) override {
    return defaultAnswer;
  }
  std::optional<std::string> OpenFile(const bs::FileDialogOptions&) override { return {}; }
  std::optional<std::string> SaveFile(const bs::FileDialogOptions&) override { return {}; }
  bool PrintDialog() override { return false; }
  void Beep() override {}
  void ShowHelp(const std::string&, int) override {}

  void Warn(const std::string& text) {
    stream_ << "warning: " << text << '\n';
    warnings_.push_back(text);
  }
  const std::vector<std::string>& Warnings() const { return warnings_; }

 private:
  std::ostream& stream_;
  std::vector<std::string> warnings_;
};

}  // namespace bs::cli
