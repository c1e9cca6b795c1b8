#include "schemasyagi.h"

#include "constructiondrawing.h"
#include "layout.h"

#include <QLabel>

namespace yagi {

SchemasYAGI::SchemasYAGI(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("SchémasYAGI"));
  setWindowTitle(QStringLiteral("Schémas de construction"));
  setFixedSize(pixels(9810), pixels(7425));

  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("Image1"));
  image->setGeometry(0, 0, drawingSize.width(), drawingSize.height());
  image->setPixmap(constructionDrawing());
}

}  // namespace yagi
