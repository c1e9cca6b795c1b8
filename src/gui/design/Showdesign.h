#pragma once
// The results screen "Zuzo Results": runs the element calculation when it opens, shows the
// whole report in Memo1, prints it, and opens the balun sheet.
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "core/design/Report.h"
#include "gui/app/YagiForm.h"
#include "gui/platform/Drawing.h"

namespace bs::gui {

class TYagibaseform2 : public TYagibaseform {
  Q_OBJECT
 public:
  explicit TYagibaseform2(QWidget* owner);

  QPlainTextEdit* Memo1;
  QFrame* Panel1;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button5;
  QPushButton* Button3;
  QPushButton* Button4;
  QLabel* Label3;
  QFrame* Panel2;
  QPushButton* Button6;  // "Save .nec"
  QPushButton* Button7;  // "Simulate"
  DrawingWidget* Image1;

  void GetStarted();
  void PrintIt();
  void Showbalun();
  void SaveNec();
  void ShowSimulate();
  void SaveYO();
  void MakeMMana();
  void FormActivate() override;

  // The report text (CR LF line ends) into the box, one box line per report line.
  void ShowReport(const std::string& text);
  // The lines the box holds, as it shows them: a paragraph that the box wraps gives its
  // wrapped lines; the line end after the last line starts no further line.
  std::vector<std::string> Memo1Lines() const;

 private:
  void BuildMemo();
  void BuildButtons();
  void BuildPicture();
  void BuildSimulationButtons();
  void ShowCalculated(const bs::design::Report& report);
};

}  // namespace bs::gui
