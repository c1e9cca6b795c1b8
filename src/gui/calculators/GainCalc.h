#pragma once
// The gain screen "Gain Calculations": frequency and boom length, one button per gain rule, and
// the gain with its beamwidth in the result box. The two entries live in the shared state.
#include "gui/app/YagiForm.h"
#include "gui/calculators/CalcWidgets.h"

namespace bs::gui {

class TYagibaseform3 : public TYagibaseform {
  Q_OBJECT
 public:
  explicit TYagibaseform3(QWidget* owner);

  QLabel* Label3;
  QFrame* Panel1;
  QLabel* Label4;
  QLineEdit* Edit1;
  QLabel* Label5;
  QLineEdit* Edit2;
  QFrame* Panel2;
  QLabel* Label6;
  QPushButton* Button1;
  QPushButton* Button3;
  QPushButton* Button4;
  QPlainTextEdit* Memo1;
  QPushButton* Button2;

  void FixMemo();
  void GetOld();
  void SaveOld();
  void GetValues();
  void SaveValues();
  void Findgain();
  void FindWA2PHW();
  void FindDJ9BV();
  void ContentsHTML1Click() override;
  void FormActivate() override;

 protected:
  void FormClose() override { SaveOld(); }

 private:
  void Calculate(int rule);
};

}  // namespace bs::gui
