// One application for all screen tests, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "app/Screens.h"
#include "platform/Numbers.h"
#include "state/YagiVar.h"

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Beamsmith");
  bs::SetDecimalSeparator('.');
  YagiVar::StartUp(YagiVar::Global());
  gui::RegisterAllScreens();
  return RUN_ALL_TESTS();
}
