#pragma once
// The YO screen "Make YO file ": the dimensions of a finished Zuzo, typed or loaded from a .yag
// file, in 39 boxes that mirror the shared texts YOText[1..39]. It writes .yag files, converts
// the parasitic lengths between boom mountings, estimates the frequency, and hands the
// dimensions to the MMANA-GAL screen.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <string>

#include "gui/app/YagiForm.h"
#include "gui/platform/RadioGroup.h"

namespace bs::gui {

class TYagibaseform5 : public TYagibaseform {
  Q_OBJECT
 public:
  explicit TYagibaseform5(QWidget* owner);

  // Edit1 to Edit39 by number; entry 0 is unused.
  std::array<QLineEdit*, 40> Edit{};
  RadioGroup* RadioGroup1;  // Calculate frequency from
  RadioGroup* RadioGroup2;  // Elements in boom
  QFrame* Panel1;
  QFrame* Panel2;
  QFrame* Panel3;
  QPushButton* PButton1;  // Make YO
  QPushButton* PButton2;  // Back
  QPushButton* PButton3;  // Convert
  QPushButton* PButton4;  // Make Mmana
  QPushButton* PButton5;  // Save .nec
  QPushButton* PButton6;  // Simulate
  QAction* LoadYagfile1;

  void InitialiseYOvar();
  void ExitYOvar();
  void SetBoxesFromValues();
  void GenerateYO();
  void GenerateYOfile(const std::string& fileName);
  void LoadYag();
  void ConvertScreen();
  void CalcFfromRef();
  void PButton4Click();
  void SaveNec();
  void ShowSimulate();
  void ContentsHTML1Click() override;
  void FormActivate() override;

 protected:
  void FormClose() override;

 private:
  // The typed dimensions into the element table, or the refusal shown; false when refused.
  bool StoreTypedDimensions();
  void BuildHeadings();
  void BuildFirstColumn();
  void BuildDirectorColumns(int first, int left, const char* distanceCaption);
  void BuildButtons();
  void AdjustMenu();
  void BindEvents();
  void SetTabOrder();
  void Refuse(int box, const std::string& message);
};

}  // namespace bs::gui
