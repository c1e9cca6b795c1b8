#pragma once
// The stacking screen "Stacking": frequency, beamwidth and its plane; Calculate gives the gain
// of one Zuzo and of the pair and the stacking distances, beside a picture of the arrangement.
#include "gui/app/YagiForm.h"
#include "gui/calculators/CalcWidgets.h"

namespace bs::gui {

class TYagibaseform4 : public TYagibaseform {
  Q_OBJECT
 public:
  explicit TYagibaseform4(QWidget* owner);

  QLabel* Label3;
  QFrame* Panel2;
  QLabel* Label4;
  QLineEdit* Edit1;
  QLabel* Label5;
  QLineEdit* Edit2;
  RadioGroup* RadioGroup1;
  QPushButton* Button1;
  QLabel* Label7;
  QPlainTextEdit* Memo1;
  QLabel* Label6;
  QFrame* Panel1;
  PictureBox* Image1;
  QPushButton* Button2;

  void Clearmemo();
  void GetValues();
  void SaveValues();
  void ClearBoxV();
  void Savethings();
  void FindBeamGain();
  void ContentsHTML1Click() override;
  void FormActivate() override;

 protected:
  void FormClose() override { Savethings(); }
};

}  // namespace bs::gui
