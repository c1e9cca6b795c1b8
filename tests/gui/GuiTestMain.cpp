// One application for all screen tests, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "core/platform/Numbers.h"
#include "core/state/YagiVar.h"
#include "gui/app/Screens.h"

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Beamsmith");
  bs::SetDecimalSeparator('.');
  bs::YagiVar::StartUp(bs::YagiVar::Global());
  bs::gui::RegisterAllScreens();
  return RUN_ALL_TESTS();
}
