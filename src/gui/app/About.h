#pragma once
// The About box "ABOUT ZUZO.EXE".
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace bs::gui {

class TfmAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TfmAboutBox(QWidget* owner);

  QLabel* ProductName;
  QLabel* Comments;
  QLabel* Version;
  QPushButton* OKButton;

  void Fixscreen();

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace bs::gui
