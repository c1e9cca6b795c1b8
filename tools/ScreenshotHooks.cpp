#include "tools/ScreenshotHooks.h"

namespace gui {

void SaveExtraScreenshots(QWidget&, const QDir&, const SaveShot&) {}

}  // namespace gui
