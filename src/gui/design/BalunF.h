#pragma once
// The "Balun" dialog: how to build the half-wave 4:1 coax balun of the loop length that the
// entry screen computed, with its drawing, and the printed sheet.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "gui/platform/Drawing.h"

namespace bs::gui {

class TfmBalunBox : public QDialog {
  Q_OBJECT
 public:
  explicit TfmBalunBox(QWidget* owner);

  QLabel* Label2;
  QFrame* Panel1;
  DrawingWidget* Image1;
  QLabel* Label1;
  QLabel* Label3;
  QPushButton* Button1;
  QPushButton* Button2;

  void FixLabels();
  void Button2Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildPanel();
  void BuildButtons();
};

}  // namespace bs::gui
