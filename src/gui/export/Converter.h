#pragma once
// The conversion dialog "ConvertYagi": converts the YO screen's reflector and director lengths
// from the mounting recorded on the YO screen to the mounting chosen in the To group.
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "gui/platform/RadioGroup.h"

namespace bs::gui {

class TConvertYagi : public QDialog {
  Q_OBJECT
 public:
  explicit TConvertYagi(QWidget* owner);

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  RadioGroup* RadioGroup1;  // From: shows the YO screen's mounting
  RadioGroup* RadioGroup2;  // To
  QPushButton* Button1;
  QPushButton* Button2;

  void GetItStarted();
  void DoTheConversion();
};

}  // namespace bs::gui
