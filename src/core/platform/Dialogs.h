#pragma once
// Everything modal that the user answers or the desktop does. Screens and core routines go
// through this interface only; the Qt program installs its implementation at start-up and the
// tests install a scripted one.
#include <optional>
#include <string>

namespace bs {

struct FileDialogOptions {
  std::string title;
  std::string initialDir;
  std::string defaultExt;  // without the dot
  std::string filter;      // "YO files (*.yag)|*.yag|All files (*.*)|*.*"
  std::string fileName;    // proposed name
};

enum class ConfirmButtons { OkCancel, YesNo };

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Message box with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // Confirmation box with the confirmation icon; true for OK or Yes.
  virtual bool Confirm(const std::string& text, ConfirmButtons buttons) = 0;
  // One-line question; Cancel returns the default answer.
  virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                               const std::string& defaultAnswer) = 0;
  // The same question where Cancel matters: nothing when the user cancels. An implementation
  // that cannot tell Cancel apart answers with InputBox.
  virtual std::optional<std::string> InputQuery(const std::string& caption,
                                                const std::string& prompt,
                                                const std::string& defaultAnswer) {
    return InputBox(caption, prompt, defaultAnswer);
  }
  // File dialogs; nothing when the user cancels.
  virtual std::optional<std::string> OpenFile(const FileDialogOptions& options) = 0;
  virtual std::optional<std::string> SaveFile(const FileDialogOptions& options) = 0;
  // Print dialog; false when the user cancels. It chooses the printer that Printer() uses.
  virtual bool PrintDialog() = 0;
  // The desktop's default beep.
  virtual void Beep() = 0;
  // Opens the manual (its contents page, core/platform/Manual.h) at its contents (topic 0) or
  // at a topic number's page. A missing page or a desktop that cannot open it gets one clear
  // message; the program goes on.
  virtual void ShowHelp(const std::string& helpFile, int topic) = 0;
};

// The installed implementation; a program without one gets a silent stand-in.
Dialogs& TheDialogs();
// Installs an implementation (not owned); nullptr restores the stand-in.
void InstallDialogs(Dialogs* dialogs);

}  // namespace bs
