#include "desktop.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace yagi {

void QtDesktop::showMessage(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

bool QtDesktop::askYesNo(QWidget* parent, const QString& title, const QString& text) {
  return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

void QtDesktop::endProgram() {
  QCoreApplication::exit(0);
}

}  // namespace yagi
