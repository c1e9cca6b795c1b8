#include "gui/calculators/SWR.h"

#include "core/calculators/CoaxData.h"
#include "core/calculators/Swr.h"
#include "core/design/Printing.h"
#include "core/platform/Dialogs.h"
#include "core/platform/TextFile.h"
#include "gui/platform/ErrorGuard.h"
#include "gui/platform/Text.h"

namespace bs::gui {

namespace calc = bs::calculators;

namespace {

constexpr int kManualTopic = 70;
constexpr int kCompensationYes = 0;

}  // namespace

TForm1::TForm1(QWidget* owner) : TYagibaseform(owner) {
  setObjectName("Form1");
  setWindowTitle("SWR calculations");
  HideItem(File1->menuAction());
  HideItem(Task->menuAction());
  Label10 = MakeLabel(Client(), "Label10", "SWR CALCULATOR", {20, 36, 606, 44}, Qt::white);
  Label10->setFont(PixelFont("Arial", 30, true));
  Label10->setAlignment(Qt::AlignCenter);
  BuildEntries();
  BuildCoaxControls();
  BuildButtons();
  Memo1 = MakeMemo(Client(), "Memo1", {648, 84, 577, 729}, 21);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  BindEvents();
  SetTabOrder();
  ShowCompensation(false);
  FinishLayout();
}

void TForm1::BuildEntries() {
  Panel1 = MakePanel(Client(), "Panel1", {20, 84, 606, 560}, Olive());
  QStringList measures;
  for (const auto& m : calc::kMeasures) measures << m.item;
  RadioGroup1 =
      MakeGroup(Panel1, "RadioGroup1", "Measure", measures, {16, 12, 280, 150}, Qt::white);
  RadioGroup1->SetItemIndex(0);
  RadioGroup2 = MakeGroup(Panel1, "RadioGroup2", "Coax compensate", {"Yes", "No"},
                          {310, 12, 280, 90}, Qt::white);
  RadioGroup2->SetItemIndex(1);
  Edit1 = MakeEdit(Panel1, "Edit1", "", {16, 180, 150, 32});
  Label3 = MakeLabel(Panel1, "Label3", "Reverse watts", {16, 214, 280, 26}, Qt::white);
  Edit2 = MakeEdit(Panel1, "Edit2", "", {16, 256, 150, 32});
  Label4 = MakeLabel(Panel1, "Label4", "Forward watts", {16, 290, 280, 26}, Qt::white);
}

void TForm1::BuildCoaxControls() {
  Edit3 = MakeEdit(Panel1, "Edit3", "0", {310, 110, 150, 32});
  Label6 = MakeLabel(Panel1, "Label6", "Length coax - metres", {310, 144, 280, 26}, Qt::white);
  ComboBox1 = new QComboBox(Panel1);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setGeometry(310, 180, 150, 32);
  ComboBox1->setFont(PixelFont("Arial", 16));
  for (const char* band : calc::kBands) ComboBox1->addItem(band);
  ComboBox1->setCurrentIndex(-1);
  Label8 = MakeLabel(Panel1, "Label8", "Select band", {310, 214, 280, 26}, Qt::white);
  Label11 = MakeLabel(Panel1, "Label11", "Select coax for coax compensate", {16, 326, 574, 26},
                      Qt::white);
  ListBox1 = new QListWidget(Panel1);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setGeometry(16, 354, 574, 140);
  ListBox1->setFont(PixelFont("Arial", 14));
  ListBox1->setSortingEnabled(true);
  Label7 = MakeLabel(Panel1, "Label7", "Coax loss", {16, 500, 200, 50}, Qt::white);
  Label9 = MakeLabel(Panel1, "Label9", "", {222, 500, 370, 54}, Qt::white, 14);
  Label9->setWordWrap(true);
}

void TForm1::BuildButtons() {
  Panel2 = MakePanel(Client(), "Panel2", {20, 660, 200, 226}, Olive());
  Button1 = MakeButton(Panel2, "Button1", "Calculate", {25, 14, 150, 56});
  Button2 = MakeButton(Panel2, "Button2", "Print", {25, 84, 150, 56});
  Button3 = MakeButton(Panel2, "Button3", "Back", {25, 154, 150, 56});
}

void TForm1::BindEvents() {
  connect(RadioGroup1, &RadioGroup::Clicked, this, GuardedSlot(this, &TForm1::Changeunits));
  connect(RadioGroup2, &RadioGroup::Clicked, this, GuardedSlot(this, &TForm1::Docoax));
  connect(Edit3, &QLineEdit::textChanged, this, GuardedSlot(this, &TForm1::UpdateEdit));
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, GuardedSlot(this, &TForm1::UpdateEdit));
  // A click or the arrow keys pick a coax line.
  connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
    if (!selectingQuietly_ && SelectedCoax() >= 0) Guarded([this] { GetLoss(); });
  });
  connect(Button1, &QPushButton::clicked, this, GuardedSlot(this, &TForm1::FindSWR));
  connect(Button2, &QPushButton::clicked, this, GuardedSlot(this, &TForm1::Button2Click));
  connect(Button3, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm1::SetTabOrder() {
  QList<QWidget*> chain;
  for (int i = 0; i < RadioGroup1->Count(); ++i) chain << RadioGroup1->Button(i);
  chain << Edit1 << Edit2;
  for (int i = 0; i < RadioGroup2->Count(); ++i) chain << RadioGroup2->Button(i);
  chain << Edit3 << ComboBox1 << ListBox1 << Button1 << Button2 << Button3 << Memo1;
  for (int i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void TForm1::FormActivate() {
  Setheading();
  Edit1->setFocus();
}

void TForm1::Setheading() {
  Label2->setText(VersionText());
  SetUpMemo();
}

void TForm1::SetUpMemo() {
  SetText(Memo1, calc::SetUpMemo());
}

void TForm1::Changeunits() {
  MeasureMode = RadioGroup1->ItemIndex();
  const auto& texts = calc::TextsOf(static_cast<calc::Measure>(MeasureMode));
  Label3->setText(texts.first);
  Label4->setText(texts.second);
  MeasureUnits = texts.units;
  Edit1->clear();
  Edit2->clear();
  Label9->clear();
}

void TForm1::ShowCompensation(bool on) {
  for (QWidget* w : std::initializer_list<QWidget*>{Edit3, ComboBox1, ListBox1, Label11, Label6,
                                                    Label7, Label8, Label9})
    w->setVisible(on);
}

void TForm1::Docoax() {
  const bool on = RadioGroup2->ItemIndex() == kCompensationYes;
  ShowCompensation(on);
  Label9->clear();
  if (!on) {
    CoaxLoss = 0;
    ListBox1->clear();
    return;
  }
  Loaduplist();
}

void TForm1::Loaduplist() {
  // The list is read afresh each time compensation is switched on.
  ListBox1->clear();
  const std::string path = calc::CoaxFilePath();
  if (!bs::RegularFileReadable(path)) {
    bs::TheDialogs().ShowMessage(calc::kNoCoaxFile);
    return;
  }
  for (const auto& line : calc::ReadCoaxFile(path)) ListBox1->addItem(ToQ(line));
}

int TForm1::SelectedCoax() const {
  const auto selected = ListBox1->selectedItems();
  return selected.isEmpty() ? -1 : ListBox1->row(selected.front());
}

void TForm1::ClearCoaxSelection() {
  selectingQuietly_ = true;
  ListBox1->clearSelection();
  ListBox1->setCurrentRow(-1, QItemSelectionModel::Clear);
  selectingQuietly_ = false;
}

void TForm1::GetLoss() {
  Label9->clear();
  const int row = SelectedCoax();
  if (row < 0) return;
  const std::string line = FromQ(ListBox1->item(row)->text());
  const std::string band = ComboBox1->currentIndex() < 0 ? "" : FromQ(ComboBox1->currentText());
  switch (calc::GetLoss(line, band, FromQ(Edit3->text()), CoaxLoss)) {
    case calc::LossOutcome::NoBand:
      bs::TheDialogs().ShowMessage(calc::kSelectBandFirst);
      ClearCoaxSelection();
      ComboBox1->setFocus();
      return;
    case calc::LossOutcome::NoData:
      bs::TheDialogs().ShowMessage(calc::kNoLossForBand);
      Label7->setText(calc::kCoaxLossCaption);
      return;
    case calc::LossOutcome::Done:
      Label7->setText(ToQ(calc::CoaxLossLabel(CoaxLoss)));
      return;
  }
}

void TForm1::UpdateEdit() {
  if (ComboBox1->currentIndex() >= 0 && SelectedCoax() >= 0 && !Edit3->text().isEmpty()) GetLoss();
}

void TForm1::FindSWR() {
  const auto measure = static_cast<calc::Measure>(MeasureMode);
  const std::string forward = FromQ(Edit2->text());
  const auto row = calc::FindSWR(measure, FromQ(Edit1->text()), forward, CoaxLoss);
  if (row.lossUnknown) ClearCoaxSelection();
  AppendText(Memo1, row.text);
  if (measure == calc::Measure::Power && RadioGroup2->ItemIndex() == kCompensationYes)
    Label9->setText(ToQ(calc::PowerSentence(forward, CoaxLoss)));
  else
    Label9->clear();
}

void TForm1::Button2Click() {
  PrintTheMemo();
}

void TForm1::PrintTheMemo() {
  const auto lines = bs::design::ReportLines(FromQ(Memo1->toPlainText()));
  calc::PrintTheMemo(lines, static_cast<calc::Measure>(RadioGroup1->ItemIndex()));
  if (bs::TheDialogs().Confirm(calc::kClearMemoQuestion, bs::ConfirmButtons::YesNo)) {
    Memo1->clear();
    SetUpMemo();
  }
}

void TForm1::ContentsHTML1Click() {
  ShowManualTopic("\\Zuzo.chm", kManualTopic);
}

}  // namespace bs::gui
