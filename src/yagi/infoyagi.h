#pragma once
// InfoYAGI, the notes window: how the four-element 145 MHz antenna is built.

#include <QDialog>

namespace yagi {

class InfoYAGI : public QDialog {
  Q_OBJECT

 public:
  explicit InfoYAGI(QWidget* parent = nullptr);

  // The construction notes as shown in the window.
  static QString constructionNotes();

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace yagi
