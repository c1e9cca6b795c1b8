#pragma once
// The MMANA-GAL screen: the segmentation, ground, height, material and dipole choices for the
// .maa file of the element table in the shared state, and "Save .MAA".
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/export/MaaFile.h"
#include "gui/app/YagiForm.h"

namespace bs::gui {

class TYagibaseform6 : public TYagibaseform {
  Q_OBJECT
 public:
  explicit TYagibaseform6(QWidget* owner);

  QComboBox* ComboBox1;  // DM1
  QComboBox* ComboBox2;  // DM2
  QComboBox* ComboBox3;  // SC
  QComboBox* ComboBox4;  // EC
  QComboBox* ComboBox5;  // Ground
  QComboBox* ComboBox6;  // Height
  QComboBox* ComboBox7;  // Material
  QComboBox* ComboBox8;  // Dipole construction
  QLineEdit* Edit1;      // file name without ".maa"
  QLabel* Label15;       // segment length
  QLabel* Label16;       // radius to segment ratio
  QFrame* Panel1;        // Segmentation
  QFrame* Panel2;        // notes
  QFrame* Panel3;        // buttons
  QPushButton* Button1;
  QPushButton* Button2;

  void FormCreate();
  void FormActivate() override;
  void ComboBox1Change();
  void FillLabels();
  void Button1Click();

  // The screen's choices as the writer takes them.
  bs::exporting::MaaChoices Choices() const;

 private:
  void BuildSegmentation();
  void BuildChoices();
  void BuildNotes();
  void BuildButtons();
  void SelectDefaults();
};

}  // namespace bs::gui
