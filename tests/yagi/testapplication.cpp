#include "testapplication.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace yagi::test {

namespace {

QApplication* instance = nullptr;

// Ends the application after the last test, while Qt is still whole; a
// QApplication left to static destruction would outlive parts of Qt.
class ApplicationEnvironment : public ::testing::Environment {
 public:
  void TearDown() override {
    delete instance;
    instance = nullptr;
  }
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

QApplication& application() {
  static int argc = 1;
  static char name[] = "yagi_tests";
  static char* argv[] = {name, nullptr};
  if (!instance) instance = new QApplication(argc, argv);
  return *instance;
}

LocaleGuard::LocaleGuard(const QLocale& locale) : previous_(QLocale()) {
  QLocale::setDefault(locale);
}

LocaleGuard::~LocaleGuard() {
  QLocale::setDefault(previous_);
}

}  // namespace yagi::test
