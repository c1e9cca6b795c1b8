// yagi: the dimensions of a four-element Zuzo antenna for the 2 m band.
//
// Usage:
//   yagi                      starts the program.
//   yagi --screenshots DIR    saves PNG pictures of the three windows into DIR
//                             (yagi-zuzo.png, yagi-informations.png,
//                             yagi-schemas.png) and exits; 0 on success.
//                             Works on the offscreen platform
//                             (QT_QPA_PLATFORM=offscreen).

#include "desktop.h"
#include "layout.h"
#include "screenshots.h"
#include "translation.h"
#include "zuzo.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("yagi"));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.beamsmith.yagi"));
  yagi::installQtFrench(app);

  const QStringList arguments = QApplication::arguments();
  const qsizetype option = arguments.indexOf(QStringLiteral("--screenshots"));
  if (option >= 0) {
    if (option + 1 >= arguments.size()) {
      QTextStream(stderr) << "usage: yagi --screenshots DIR\n";
      return 2;
    }
    return yagi::saveScreenshots(arguments.at(option + 1)) ? 0 : 1;
  }

  yagi::QtDesktop desktop;
  yagi::Zuzo window(desktop);
  window.show();
  yagi::centreOnScreen(&window);
  return QApplication::exec();
}
