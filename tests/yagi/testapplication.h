#pragma once
// One QApplication for all of yagi's tests, created on first use, and the
// locale pinning that every test of numbers needs.

#include <QLocale>
#include <QString>

#include <ostream>

class QApplication;

namespace yagi::test {

QApplication& application();

// Sets the default locale for the lifetime of the object.
class LocaleGuard {
 public:
  explicit LocaleGuard(const QLocale& locale);
  ~LocaleGuard();
  LocaleGuard(const LocaleGuard&) = delete;
  LocaleGuard& operator=(const LocaleGuard&) = delete;

 private:
  QLocale previous_;
};

inline QLocale commaLocale() {
  return QLocale(QLocale::French, QLocale::France);
}
inline QLocale pointLocale() {
  return QLocale(QLocale::English, QLocale::UnitedStates);
}

}  // namespace yagi::test

// Lets GoogleTest print texts in its failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
