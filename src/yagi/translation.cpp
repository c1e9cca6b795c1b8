#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace yagi {

bool installQtFrench(QCoreApplication& application) {
  // The translator lives as long as the application that uses it.
  auto* translator = new QTranslator(&application);
  if (!translator->load(QStringLiteral("qtbase_fr"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  return true;
}

}  // namespace yagi
