#include "gui/platform/QtDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include "core/platform/Manual.h"
#include "gui/platform/Text.h"

namespace bs::gui {

namespace {

QWidget* ActiveParent() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

QString Title() {
  return QApplication::applicationName();
}

std::optional<std::string> RunFileDialog(const bs::FileDialogOptions& o,
                                         QFileDialog::AcceptMode mode) {
  QFileDialog dialog(ActiveParent(), ToQ(o.title), ToQ(o.initialDir), QtFilter(o.filter));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (!o.defaultExt.empty()) dialog.setDefaultSuffix(ToQ(o.defaultExt));
  if (!o.fileName.empty()) dialog.selectFile(ToQ(o.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return FromQ(dialog.selectedFiles().first());
}

}  // namespace

QPrinter& SharedPrinter() {
  static QPrinter printer(QPrinter::HighResolution);
  return printer;
}

QString QtFilter(const std::string& filter) {
  const QStringList parts = ToQ(filter).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    out << (parts[i].contains('(') ? parts[i] : parts[i] + " (" + patterns + ")");
  }
  return out.join(";;");
}

void QtDialogs::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, Title(), ToQ(text), QMessageBox::Ok, ActiveParent());
  box.exec();
}

bool QtDialogs::Confirm(const std::string& text, bs::ConfirmButtons buttons) {
  const bool okCancel = buttons == bs::ConfirmButtons::OkCancel;
  const auto choice =
      okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Yes | QMessageBox::No;
  QMessageBox box(QMessageBox::Question, "Confirm", ToQ(text), choice, ActiveParent());
  const int answer = box.exec();
  return answer == QMessageBox::Ok || answer == QMessageBox::Yes;
}

std::string QtDialogs::InputBox(const std::string& caption, const std::string& prompt,
                                const std::string& defaultAnswer) {
  return InputQuery(caption, prompt, defaultAnswer).value_or(defaultAnswer);
}

std::optional<std::string> QtDialogs::InputQuery(const std::string& caption,
                                                 const std::string& prompt,
                                                 const std::string& defaultAnswer) {
  bool ok = false;
  const QString answer = QInputDialog::getText(ActiveParent(), ToQ(caption), ToQ(prompt),
                                               QLineEdit::Normal, ToQ(defaultAnswer), &ok);
  if (!ok) return {};
  return FromQ(answer);
}

std::optional<std::string> QtDialogs::OpenFile(const bs::FileDialogOptions& options) {
  return RunFileDialog(options, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtDialogs::SaveFile(const bs::FileDialogOptions& options) {
  return RunFileDialog(options, QFileDialog::AcceptSave);
}

bool QtDialogs::PrintDialog() {
  // Every print prints all of its pages, so the dialog offers no page range, selection or
  // current page.
  QPrinter& printer = SharedPrinter();
  printer.setPrintRange(QPrinter::AllPages);
  QPrintDialog dialog(&printer, ActiveParent());
  dialog.setOptions(dialog.options() &
                    ~(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintSelection |
                      QAbstractPrintDialog::PrintCurrentPage));
  return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::Beep() {
  QApplication::beep();
}

void QtDialogs::ShowHelp(const std::string& helpFile, int topic) {
  // The manual is HTML: its contents or the topic's page opens in the desktop's web browser.
  const std::string page = bs::ManualPage(helpFile, topic);
  if (!QFileInfo(ToQ(page)).isFile()) {
    ShowMessage("The manual was not found: " + page +
                " is missing. Reinstall Beamsmith to get it back.");
    return;
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(ToQ(page))))
    ShowMessage("No web browser could be started to show the manual " + page + ".");
}

}  // namespace bs::gui
