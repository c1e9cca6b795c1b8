#pragma once
// The design entry screen "Design Zuzo": the user's last entries, band presets when the
// frequency box is left, the coax for the balun, and Calculate, which stores the design inputs
// and opens the results.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <array>

#include "core/design/Entry.h"
#include "gui/app/YagiForm.h"
#include "gui/platform/RadioGroup.h"

namespace bs::gui {

class TYagibaseform7 : public TYagibaseform {
  Q_OBJECT
 public:
  explicit TYagibaseform7(QWidget* owner);

  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label8;
  QLabel* Label10;
  QLabel* Label11;
  QLabel* Label12;
  QLabel* Label18;
  QListWidget* ListBox1;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit5;
  QLineEdit* Edit7;
  QLineEdit* Edit8;
  RadioGroup* RadioGroup1;
  // Construction of the dipole.
  QFrame* Panel1;
  QLabel* Label14;
  RadioGroup* RadioGroup3;
  RadioGroup* RadioGroup5;
  QLabel* Label9;
  QLineEdit* Edit6;
  QLabel* Label7;
  QLineEdit* Edit4;
  QLabel* Label13;
  QLineEdit* Edit9;
  // Construction of the directors and reflector.
  QFrame* Panel2;
  QLabel* Label15;
  RadioGroup* RadioGroup4;
  RadioGroup* RadioGroup2;
  QLabel* Label6;
  QLineEdit* Edit3;
  QLabel* Label16;
  QLineEdit* Edit10;
  QLabel* Label17;
  QLineEdit* Edit11;
  QFrame* Panel3;
  QPushButton* Button1;
  QPushButton* Button3;

  void Fixscreen();
  void SaveThings();
  void GetValues();
  void SaveValues();
  void Edit1Exit();
  void RadioGroup3Click();
  void RadioGroup4Click();
  void NoteCoax();
  void YagiDoCalculate();
  void SaveDesign();

  void Save_Data() override;
  void Recoverdata() override;
  void ContentsHTML1Click() override;
  void FormActivate() override;

  // The boxes and radio groups as the core sees them.
  bs::design::DesignEntries Entries() const;
  void SetEntries(const bs::design::DesignEntries& entries);

 protected:
  void FormClose() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLeftColumn();
  void BuildCoaxList();
  void BuildDipolePanel();
  void BuildElementPanel();
  void BuildButtons();
  void AdjustMenu();
  void BindEvents();
  void SetTabOrder();
  // A box of the table with its label to the left, on one row.
  QLineEdit* MakeRow(QWidget* parent, QLabel*& label, bs::design::Box box, QPoint at,
                     const QColor& color);
  // A construction panel's diameter, width and thickness rows for its metal shape.
  struct BoxRow {
    QLabel* label;
    QLineEdit* box;
  };
  void ShowShapeBoxes(int shape, BoxRow diameter, BoxRow width, BoxRow thickness);
  int SelectedCoax() const;

  std::array<QLineEdit*, 12> edits_{};
  std::array<RadioGroup*, 6> groups_{};
  int coaxBeforePress_ = -1;
};

}  // namespace bs::gui
