#pragma once
// Saves pictures of yagi's three windows, for the documentation.

#include <QString>

namespace yagi {

// Writes yagi-zuzo.png (the main window after the worked example),
// yagi-informations.png and yagi-schemas.png into the folder, creating it
// when missing. False when a file cannot be written.
bool saveScreenshots(const QString& folder);

}  // namespace yagi
