#include "gui/calculators/GainCalc.h"

#include "core/calculators/Gain.h"
#include "core/state/YagiVar.h"
#include "gui/platform/ErrorGuard.h"
#include "gui/platform/Text.h"

namespace bs::gui {

namespace {

constexpr int kManualTopic = 120;

}  // namespace

TYagibaseform3::TYagibaseform3(QWidget* owner) : TYagibaseform(owner) {
  setObjectName("Yagibaseform3");
  setWindowTitle("Gain Calculations");
  HideItem(File1->menuAction());
  HideItem(Task->menuAction());
  HideItem(Gain_calc);

  Label3 = MakeLabel(Client(), "Label3", "Gain calculations for long yagi", {0, 40, 1245, 48},
                     Qt::white);
  Label3->setFont(ComicSans(30));
  Label3->setAlignment(Qt::AlignCenter);

  Panel1 = MakePanel(Client(), "Panel1", {372, 112, 500, 150}, Olive());
  Label4 = MakeLabel(Panel1, "Label4", "Enter frequency in MHz", {30, 28, 250, 32}, Qt::white, 18);
  Edit1 = MakeEdit(Panel1, "Edit1", "144.1", {300, 28, 160, 32});
  Label5 = MakeLabel(Panel1, "Label5", "Boom length mm", {30, 88, 250, 32}, Qt::white, 18);
  Edit2 = MakeEdit(Panel1, "Edit2", "4000", {300, 88, 160, 32});

  Panel2 = MakePanel(Client(), "Panel2", {140, 300, 965, 340}, Olive());
  Label6 = MakeLabel(Panel2, "Label6", "Calculate using", {30, 20, 200, 32}, Qt::white, 18);
  Button1 = MakeButton(Panel2, "Button1", "VK3AUU", {30, 70, 200, 54});
  Button3 = MakeButton(Panel2, "Button3", "WA2PHW", {30, 150, 200, 54});
  Button4 = MakeButton(Panel2, "Button4", "DJ9BV", {30, 230, 200, 54});
  Memo1 = MakeMemo(Panel2, "Memo1", {270, 20, 670, 296}, 19);
  Memo1->setReadOnly(true);

  Button2 = MakeButton(Client(), "Button2", "Back", {547, 700, 150, 54});

  connect(Button1, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform3::Findgain));
  connect(Button3, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform3::FindWA2PHW));
  connect(Button4, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform3::FindDJ9BV));
  connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
  setTabOrder(Edit1, Edit2);
  setTabOrder(Edit2, Button1);
  setTabOrder(Button1, Button3);
  setTabOrder(Button3, Button4);
  setTabOrder(Button4, Memo1);
  setTabOrder(Memo1, Button2);
  FinishLayout();
  Guarded([this] { FixMemo(); });
}

void TYagibaseform3::FixMemo() {
  Memo1->clear();
  Label2->setText(VersionText());
}

void TYagibaseform3::FormActivate() {
  TYagibaseform::FormActivate();
  GetOld();
  Edit1->setFocus();
}

void TYagibaseform3::GetOld() {
  GetValues();
}

void TYagibaseform3::SaveOld() {
  SaveValues();
}

void TYagibaseform3::GetValues() {
  const auto& s = bs::YagiVar::Global();
  Edit1->setText(ToQ(s.GainFreqText));
  Edit2->setText(ToQ(s.GainBoomText));
}

void TYagibaseform3::SaveValues() {
  auto& s = bs::YagiVar::Global();
  s.GainFreqText = FromQ(Edit1->text());
  s.GainBoomText = FromQ(Edit2->text());
}

void TYagibaseform3::Calculate(int rule) {
  Memo1->clear();
  const auto result =
      bs::calculators::FindGain(bs::YagiVar::Global(), FromQ(Edit1->text()), FromQ(Edit2->text()),
                                static_cast<bs::calculators::GainRule>(rule));
  SetText(Memo1, result.text);
}

void TYagibaseform3::Findgain() {
  Calculate(static_cast<int>(bs::calculators::GainRule::VK3AUU));
}

void TYagibaseform3::FindWA2PHW() {
  Calculate(static_cast<int>(bs::calculators::GainRule::WA2PHW));
}

void TYagibaseform3::FindDJ9BV() {
  Calculate(static_cast<int>(bs::calculators::GainRule::DJ9BV));
}

void TYagibaseform3::ContentsHTML1Click() {
  TYagibaseform::ContentsHTML1Click();
  ShowManualTopic("\\Zuzo.chm", kManualTopic);
}

}  // namespace bs::gui
