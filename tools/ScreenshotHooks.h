#pragma once
// The screens beyond the main window and the About box, each shown in a typical state.
#include <QDir>
#include <QWidget>
#include <functional>

namespace bs::gui {
using SaveShot = std::function<void(QWidget&, const QDir&, const QString&)>;
void SaveExtraScreenshots(QWidget& mainWindow, const QDir& dir, const SaveShot& save);
// The YO, conversion and MMANA-GAL screens; results is the open results screen.
void SaveExportScreenshots(QWidget& mainWindow, QWidget& results, const QDir& dir,
                           const SaveShot& save);
}  // namespace bs::gui
