#pragma once
// Helpers for screen tests: find controls by object name and answer modal screens.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <stdexcept>
#include <string>

namespace testing_support {

template <typename T>
T* Find(const QObject* parent, const char* name) {
  T* child = parent->findChild<T*>(name);
  if (!child) throw std::runtime_error(std::string("no control named ") + name);
  return child;
}

// Runs `action` on the next modal dialog that opens (for example to read or close it); the
// dialog is found as the application's active modal widget.
inline void OnNextModal(std::function<void(QDialog*)> action) {
  QTimer::singleShot(0, [action] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    action(dialog);
  });
}

}  // namespace testing_support
