#pragma once
// SchémasYAGI, the drawing window: the construction drawing of the antenna.

#include <QDialog>

namespace yagi {

class SchemasYAGI : public QDialog {
  Q_OBJECT

 public:
  explicit SchemasYAGI(QWidget* parent = nullptr);
};

}  // namespace yagi
