#pragma once
// The SWR screen "SWR calculations": bridge readings of one kind, optional compensation of the
// coax loss from "Coax.dta", a running table of results and its printout.
#include <QComboBox>
#include <QListWidget>
#include <string>

#include "gui/app/YagiForm.h"
#include "gui/calculators/CalcWidgets.h"

namespace bs::gui {

class TForm1 : public TYagibaseform {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* owner);

  QLabel* Label10;
  QFrame* Panel1;
  RadioGroup* RadioGroup1;
  RadioGroup* RadioGroup2;
  QLineEdit* Edit3;
  QLabel* Label6;
  QLineEdit* Edit1;
  QLabel* Label3;
  QComboBox* ComboBox1;
  QLabel* Label8;
  QLineEdit* Edit2;
  QLabel* Label4;
  QLabel* Label11;
  QListWidget* ListBox1;
  QLabel* Label7;
  QLabel* Label9;
  QFrame* Panel2;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPlainTextEdit* Memo1;

  // The screen's state: the kind of readings, the unit word of the table, the coax loss in dB.
  int MeasureMode = 0;
  std::string MeasureUnits = "watts";
  double CoaxLoss = 0;

  void Setheading();
  void SetUpMemo();
  void Changeunits();
  void Docoax();
  void Loaduplist();
  void GetLoss();
  void UpdateEdit();
  void FindSWR();
  void Button2Click();
  void PrintTheMemo();
  void ContentsHTML1Click() override;
  void FormActivate() override;

 private:
  void BuildEntries();
  void BuildCoaxControls();
  void BuildButtons();
  void BindEvents();
  void SetTabOrder();
  void ShowCompensation(bool on);
  void ClearCoaxSelection();
  int SelectedCoax() const;

  bool selectingQuietly_ = false;  // a selection change made by the screen, not the user
};

}  // namespace bs::gui
