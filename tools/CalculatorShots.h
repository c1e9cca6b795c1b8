#pragma once
// The four calculator screens, each after a typical calculation.
#include "tools/ScreenshotHooks.h"

namespace bs::gui {
void SaveCalculatorScreenshots(QWidget& mainWindow, const QDir& dir, const SaveShot& save);
}  // namespace bs::gui
