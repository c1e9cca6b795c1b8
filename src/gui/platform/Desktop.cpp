#include "gui/platform/Desktop.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QStandardPaths>

#include "core/platform/ProgramFiles.h"
#include "core/platform/TextFile.h"
#include "gui/platform/Text.h"

namespace bs::gui {

std::string SettleUserFolders() {
  bs::FolderFacts facts = bs::LocalFolderFacts();
  facts.documentsDir = FromQ(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  facts.configDir = FromQ(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  const bs::UserFolders folders = bs::ChooseUserFolders(facts);
  bs::SetPlacementIniPath(folders.iniPath);
  std::string problem;
  const QString iniDir = QFileInfo(ToQ(folders.iniPath)).absolutePath();
  if (!QDir().mkpath(iniDir)) problem = "Cannot create the folder " + FromQ(iniDir) + ".";
  if (folders.startDir.empty()) return problem;
  if (!QDir().mkpath(ToQ(folders.startDir)) || !QDir::setCurrent(ToQ(folders.startDir)))
    return "Cannot create or enter the folder " + folders.startDir +
           " for your files; they go to " + bs::CurrentDir() + " instead.";
  return problem;
}

void InstallFontSubstitutes() {
  QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
  QFont::insertSubstitution("Arial", "Liberation Sans");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
}

}  // namespace bs::gui
