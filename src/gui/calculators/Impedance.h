#pragma once
// The impedance screen "Impedance": the parallel-rod matching section on the right (any one of
// impedance, cross section and separation from the other two) and the quarter-wave transformer
// on the left, with a list of sample coax types for reference. It saves nothing.
#include <QListWidget>

#include "gui/app/YagiForm.h"
#include "gui/calculators/CalcWidgets.h"

namespace bs::gui {

class TForm2 : public TYagibaseform {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* owner);

  QLabel* Label115;
  // Parallel rods.
  QFrame* Panel1;
  QLabel* Heading;
  QLabel* Label13;
  QLabel* Label3;
  RadioGroup* RadioGroup1;
  RadioGroup* RadioGroup2;
  QLabel* Label19;
  QLabel* Label12;
  QLineEdit* Edit1;
  QLabel* Label11;
  QLineEdit* Edit2;
  QLabel* Label10;
  QLineEdit* Edit3;
  QPushButton* Button1;
  QLabel* Label17;
  // Quarter-wave transformer.
  QFrame* Panel2;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLineEdit* Edit4;
  QLabel* Label8;
  QLineEdit* Edit5;
  QLabel* Label9;
  QLineEdit* Edit6;
  QLabel* Label16;
  QLineEdit* Edit9;
  QPushButton* Button2;
  QLabel* Label14;
  QLineEdit* Edit7;
  QLabel* Label15;
  QLineEdit* Edit8;
  QLabel* Label20;
  QListWidget* ListBox1;
  QPushButton* Button3;

  void RadioGroup1Click();
  void RadioGroup2Click();
  void Button1Click();
  void Button2Click();
  void ContentsHTML1Click() override;
  void FormActivate() override;

 private:
  void BuildRodsPanel();
  void BuildRodBoxes();
  void BuildQuarterWavePanel();
  void BindEvents();
  void SetTabOrder();
  void ShowKnowns();
};

}  // namespace bs::gui
