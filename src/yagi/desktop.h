#pragma once
// What the main window asks of the desktop: message boxes, the Yes/No
// question and ending the program. Tests put their own answers in its place.

#include <QString>

class QWidget;

namespace yagi {

class Desktop {
 public:
  virtual ~Desktop() = default;
  // A message box with a title and an OK button.
  virtual void showMessage(QWidget* parent, const QString& title, const QString& text) = 0;
  // A message box with a title and the buttons Yes and No; true for Yes.
  virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
  virtual void endProgram() = 0;
};

// The real desktop: Qt's standard message boxes, and the end of the event loop.
class QtDesktop : public Desktop {
 public:
  void showMessage(QWidget* parent, const QString& title, const QString& text) override;
  bool askYesNo(QWidget* parent, const QString& title, const QString& text) override;
  void endProgram() override;
};

}  // namespace yagi
