#pragma once
// The desktop's dialogs behind the platform's Dialogs interface.
#include <QWidget>

#include "core/platform/Dialogs.h"

class QPrinter;

namespace bs::gui {

class QtDialogs : public bs::Dialogs {
 public:
  void ShowMessage(const std::string& text) override;
  bool Confirm(const std::string& text, bs::ConfirmButtons buttons) override;
  std::string InputBox(const std::string& caption, const std::string& prompt,
                       const std::string& defaultAnswer) override;
  std::optional<std::string> InputQuery(const std::string& caption, const std::string& prompt,
                                        const std::string& defaultAnswer) override;
  std::optional<std::string> OpenFile(const bs::FileDialogOptions& options) override;
  std::optional<std::string> SaveFile(const bs::FileDialogOptions& options) override;
  bool PrintDialog() override;
  void Beep() override;
  void ShowHelp(const std::string& helpFile, int topic) override;
};

// The printer chosen in the print dialog, shared by the dialogs and the printer layer.
QPrinter& SharedPrinter();

// Turns "Text files (*.txt)|*.txt|All files|*.*" into Qt's "Text files (*.txt);;All files (*.*)".
QString QtFilter(const std::string& filter);

}  // namespace bs::gui
