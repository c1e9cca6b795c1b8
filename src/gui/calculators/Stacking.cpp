#include "gui/calculators/Stacking.h"

#include <QImageReader>

#include "core/calculators/Stacking.h"
#include "core/platform/Errors.h"
#include "core/platform/Numbers.h"
#include "core/platform/ProgramFiles.h"
#include "core/state/YagiVar.h"
#include "gui/calculators/StackingPictures.h"
#include "gui/platform/ErrorGuard.h"
#include "gui/platform/Text.h"

namespace bs::gui {

namespace {

constexpr int kManualTopic = 60;
const QColor kAqua(0, 255, 255);

// Loads a shipped picture; a missing or unreadable file raises the platform's file error.
QImage LoadPicture(const std::string& name) {
  const QString path = ToQ(bs::ShippedFile(name));
  QImageReader reader(path);
  QImage image = reader.read();
  if (image.isNull())
    throw bs::Error(FromQ("Cannot open file \"" + path + "\". " + reader.errorString()));
  return image;
}

}  // namespace

TYagibaseform4::TYagibaseform4(QWidget* owner) : TYagibaseform(owner) {
  setObjectName("Yagibaseform4");
  setWindowTitle("Stacking");
  HideItem(File1->menuAction());
  HideItem(Task->menuAction());
  HideItem(Stacking_calc);

  Label3 = MakeLabel(Client(), "Label3", "Stacking distance and gain calculations for 2 yagis",
                     {0, 40, 1245, 48}, Qt::white);
  Label3->setFont(ComicSans(30));
  Label3->setAlignment(Qt::AlignCenter);

  Panel2 = MakePanel(Client(), "Panel2", {200, 110, 845, 170}, Olive());
  Label4 = MakeLabel(Panel2, "Label4", "Frequency in MHz", {30, 28, 290, 32}, Qt::white, 18);
  Edit1 = MakeEdit(Panel2, "Edit1", "144.1", {330, 28, 140, 32});
  Label5 = MakeLabel(Panel2, "Label5", "", {30, 98, 290, 32}, Qt::white, 18);
  Edit2 = MakeEdit(Panel2, "Edit2", "30", {330, 98, 140, 32});
  RadioGroup1 = MakeGroup(Panel2, "RadioGroup1", "Beamwidth", {" Vertical", " Horizontal"},
                          {540, 16, 270, 130}, Qt::white);
  RadioGroup1->SetItemIndex(0);

  Button1 = MakeButton(Client(), "Button1", "Calculate", {60, 316, 200, 54});
  Label7 = MakeLabel(Client(), "Label7", "Stacking distance", {60, 390, 560, 30}, Qt::white, 18);
  Memo1 = MakeMemo(Client(), "Memo1", {60, 424, 580, 240}, 19);

  Label6 = MakeLabel(Client(), "Label6", "", {690, 300, 470, 30}, Qt::white, 18);
  Panel1 = MakePanel(Client(), "Panel1", {690, 334, 470, 470}, kAqua);
  Image1 = new PictureBox(Panel1);
  Image1->setObjectName("Image1");
  Image1->setGeometry(6, 6, 458, 458);
  Image1->SetImage(BothStackingPicture().Render(QSize(800, 336)));

  Button2 = MakeButton(Client(), "Button2", "Back", {60, 750, 150, 54});

  connect(RadioGroup1, &RadioGroup::Clicked, this, GuardedSlot(this, &TYagibaseform4::ClearBoxV));
  connect(Button1, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform4::FindBeamGain));
  connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
  setTabOrder(Edit1, Edit2);
  setTabOrder(Edit2, RadioGroup1->Button(0));
  setTabOrder(RadioGroup1->Button(0), RadioGroup1->Button(1));
  setTabOrder(RadioGroup1->Button(1), Button1);
  setTabOrder(Button1, Memo1);
  setTabOrder(Memo1, Button2);
  FinishLayout();
  Guarded([this] { Clearmemo(); });
}

void TYagibaseform4::Clearmemo() {
  Memo1->clear();
  GetValues();
}

void TYagibaseform4::GetValues() {
  const auto& s = bs::YagiVar::Global();
  Edit1->setText(ToQ(s.StackFreqText));
  Edit2->setText(ToQ(s.StackBeamwidthText));
  RadioGroup1->SetItemIndex(bs::StrToInt(s.StackPlaneText));
}

void TYagibaseform4::SaveValues() {
  auto& s = bs::YagiVar::Global();
  s.StackFreqText = FromQ(Edit1->text());
  s.StackBeamwidthText = FromQ(Edit2->text());
  s.StackPlaneText = std::to_string(RadioGroup1->ItemIndex());
}

void TYagibaseform4::Savethings() {
  SaveValues();
}

void TYagibaseform4::FormActivate() {
  Guarded([this] { ClearBoxV(); });
  Edit1->setFocus();
}

void TYagibaseform4::ClearBoxV() {
  Memo1->clear();
  const bool horizontal = RadioGroup1->ItemIndex() != 0;
  Label6->setText(horizontal ? "Horizontal stacking" : "Vertical stacking");
  Label5->setText(horizontal ? "Half power horizontal beamwidth" : "Half power vertical beamwidth");
  Image1->SetImage(LoadPicture(horizontal ? "horizontal.bmp" : "vertical.bmp"));
  // The footer in Comic Sans MS, 11 points at the design size.
  TYagibaseform::FormActivate();
}

void TYagibaseform4::FindBeamGain() {
  // The result box keeps its text when the calculation fails before the gain line.
  std::string memo = FromQ(Memo1->toPlainText());
  try {
    bs::calculators::FindBeamGain(bs::YagiVar::Global(), FromQ(Edit1->text()), FromQ(Edit2->text()),
                                  RadioGroup1->ItemIndex(), memo);
  } catch (...) {
    SetText(Memo1, memo);
    throw;
  }
  SetText(Memo1, memo);
}

void TYagibaseform4::ContentsHTML1Click() {
  TYagibaseform::ContentsHTML1Click();
  ShowManualTopic("\\Zuzo.chm", kManualTopic);
}

}  // namespace bs::gui
