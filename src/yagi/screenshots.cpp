#include "screenshots.h"

#include "desktop.h"
#include "infoyagi.h"
#include "schemasyagi.h"
#include "zuzo.h"

#include <QDir>
#include <QPixmap>

namespace yagi {

namespace {

// The windows are not shown on screen, so no message box can appear.
class SilentDesktop : public Desktop {
 public:
  void showMessage(QWidget*, const QString&, const QString&) override {}
  bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
  void endProgram() override {}
};

bool savePicture(QWidget& window, const QDir& folder, const QString& name) {
  window.ensurePolished();
  return window.grab().save(folder.filePath(name), "PNG");
}

}  // namespace

bool saveScreenshots(const QString& folder) {
  QDir dir(folder);
  if (!dir.mkpath(QStringLiteral("."))) return false;
  SilentDesktop desktop;
  Zuzo main(desktop);
  main.Command1Click(Zuzo::Exemple);
  InfoYAGI notes;
  bool saved = savePicture(main, dir, QStringLiteral("yagi-zuzo.png"));
  saved = savePicture(notes, dir, QStringLiteral("yagi-informations.png")) && saved;
  saved = savePicture(*main.schemasWindow(), dir, QStringLiteral("yagi-schemas.png")) && saved;
  return saved;
}

}  // namespace yagi
