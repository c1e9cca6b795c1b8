#include "gui/calculators/Impedance.h"

#include "core/calculators/Impedance.h"
#include "core/platform/Numbers.h"
#include "core/state/SaveInfo.h"
#include "gui/platform/ErrorGuard.h"
#include "gui/platform/Text.h"

namespace bs::gui {

namespace calc = bs::calculators;

namespace {

constexpr int kManualTopic = 135;

const char* const kSampleCoax[] = {
    "RG-6 (foam PE) 75 ohm",  "RG-8X (foam PE) 52 ohm",
    "RG-8 (PE) 52 ohm",       "RG-8 (foam PE) 50 ohm",
    "RG-8A (PE) 52 ohm",      "RG-9 (PE) 51 ohm",
    "RG-9A (PE) 51 ohm",      "RG-9B (PE) 50 ohm",
    "RG-11 (PE) 75 ohm",      "RG-11 (foam PE) 75 ohm",
    "RG-11A (PE) 75 ohm",     "RG-12 (PE) 75 ohm",
    "RG-12A (PE) 75 ohm",     "RG-17 (PE) 52 ohm",
    "RG-17A (PE) 52 ohm",     "RG-55 (PE) 53.5 ohm",
    "RG-55A (PE) 50 ohm",     "RG-55B (PE) 53.5 ohm",
    "RG-58 (PE) 53.5 ohm",    "RG-58 (foam PE) 53.5 ohm",
    "RG-58A (PE) 53.5 ohm",   "RG-58B (PE) 53.5 ohm",
    "RG-58C (PE) 50 ohm",     "RG-59 (PE) 73 ohm",
    "RG-59 (foam PE) 75 ohm", "RG-59A (PE) 73 ohm",
    "RG-62 (air PE) 93 ohm",  "RG-62 (foam PE) 95 ohm",
    "RG-62A (air PE) 93 ohm", "RG-62B (air PE) 93 ohm",
    "RG-133A (PE) 95 ohm",    "RG-141 (PTFE) 50 ohm",
    "RG-141A (PTFE) 50 ohm",  "RG-142 (PTFE) 50 ohm",
    "RG-142A (PTFE) 50 ohm",  "RG-142B (PTFE) 50 ohm",
    "RG-174 (PE) 50 ohm",     "RG-213 (PE) 50 ohm",
    "RG-214 (PE) 50 ohm",     "RG-215 (PE) 50 ohm",
    "RG-216 (PE) 75 ohm",     "RG-223 (PE) 50 ohm",
    "9913 (air PE) 50 ohm",   "9914 (foam PE) 50 ohm",
    "UT141 (PTFE) 50 ohm",    "",
};

// A start text with a decimal in the user's separator, so that the first Calculate reads it.
QString StartText(const char* text) {
  return ToQ(bs::SaveInfo::WithDecimalSeparator(text, bs::DecimalSeparator()));
}

QLabel* WrappedLabel(QWidget* parent, const char* name, const QString& text, const QRect& at,
                     int pixels = 16) {
  QLabel* label = MakeLabel(parent, name, text, at, Qt::white, pixels);
  label->setWordWrap(true);
  return label;
}

}  // namespace

TForm2::TForm2(QWidget* owner) : TYagibaseform(owner) {
  setObjectName("form2");
  setWindowTitle("Impedance");
  setFont(PixelFont("Arial", 19));
  HideItem(File1->menuAction());
  HideItem(Task->menuAction());
  Label115 =
      MakeLabel(Client(), "Label115", "Impedance calculations", {0, 36, 1245, 40}, Qt::white, 28);
  Label115->setAlignment(Qt::AlignCenter);
  BuildRodsPanel();
  BuildQuarterWavePanel();
  Button3 = MakeButton(Client(), "Button3", "Back", {547, 826, 150, 50});
  BindEvents();
  SetTabOrder();
  ShowKnowns();
  FinishLayout();
}

void TForm2::BuildRodsPanel() {
  Panel1 = MakePanel(Client(), "Panel1", {630, 84, 593, 732}, Olive());
  Heading = MakeLabel(Panel1, "Heading", "Calculate Impedance of Parallel Rods", {10, 10, 573, 32},
                      Qt::white, 18);
  Heading->setFont(PixelFont("Arial", 18, true));
  Heading->setAlignment(Qt::AlignCenter);
  Label13 = WrappedLabel(Panel1, "Label13",
                         "Two parallel rods (round or square section) are used to create a "
                         "matching section.",
                         {20, 48, 553, 44});
  Label3 = MakeLabel(Panel1, "Label3", "This page determines an unknown from two knowns",
                     {20, 96, 553, 26}, Qt::white);
  RadioGroup1 = MakeGroup(Panel1, "RadioGroup1", "Calculate",
                          {"Impedance from known rod cross section and separation",
                           "Rod cross section from known impedance and separation",
                           "Rod separation from known impedance and cross section"},
                          {20, 130, 553, 130}, Qt::white);
  RadioGroup1->SetItemIndex(0);
  RadioGroup2 = MakeGroup(Panel1, "RadioGroup2", "Cross section of rods",
                          {"round section", "square section"}, {20, 272, 553, 86}, Qt::white);
  RadioGroup2->SetItemIndex(0);
  Label19 = WrappedLabel(
      Panel1, "Label19",
      "Formula best fit for 15-320 ohms square section and 45-175 ohms for round section",
      {20, 364, 553, 36}, 13);
  BuildRodBoxes();
}

void TForm2::BuildRodBoxes() {
  Label12 = MakeLabel(Panel1, "Label12", "Cross section (mm)", {20, 410, 260, 26}, Qt::white);
  Edit1 = MakeEdit(Panel1, "Edit1", StartText("9.5"), {20, 438, 160, 32});
  Label11 = MakeLabel(Panel1, "Label11", "Centre to centre (mm)", {300, 410, 273, 26}, Qt::white);
  Edit2 = MakeEdit(Panel1, "Edit2", StartText("12.8"), {300, 438, 160, 32});
  Label10 = MakeLabel(Panel1, "Label10", "Impedance (ohms)", {20, 490, 260, 26}, Qt::white);
  Edit3 = MakeEdit(Panel1, "Edit3", "100", {20, 518, 160, 32});
  Button1 = MakeButton(Panel1, "Button1", "Calculate", {20, 580, 180, 54});
  Label17 = WrappedLabel(Panel1, "Label17", "", {20, 646, 553, 60});
}

void TForm2::BuildQuarterWavePanel() {
  Panel2 = MakePanel(Client(), "Panel2", {20, 84, 577, 729}, Olive());
  Label4 = MakeLabel(Panel2, "Label4", "Quarter wave transformers", {10, 10, 557, 32}, Qt::white);
  Label4->setFont(PixelFont("Arial", 18, true));
  Label4->setAlignment(Qt::AlignCenter);
  Label5 = WrappedLabel(Panel2, "Label5",
                        "A quarter wave transformer may be used to transform one impedance to "
                        "another",
                        {20, 48, 537, 44});
  Label6 = WrappedLabel(Panel2, "Label6",
                        "This panel calculates the length and impedance of the quarter wave "
                        "transformer",
                        {20, 96, 537, 44});
  Label7 = MakeLabel(Panel2, "Label7", "Frequency (MHz)", {20, 152, 260, 26}, Qt::white);
  Edit4 = MakeEdit(Panel2, "Edit4", StartText("144.0"), {20, 180, 150, 32});
  Label8 = MakeLabel(Panel2, "Label8", "Input impedance (ohms)", {20, 224, 260, 26}, Qt::white);
  Edit5 = MakeEdit(Panel2, "Edit5", "200", {20, 252, 150, 32});
  Label9 = MakeLabel(Panel2, "Label9", "Output impedance (ohms)", {20, 296, 260, 26}, Qt::white);
  Edit6 = MakeEdit(Panel2, "Edit6", "50", {20, 324, 150, 32});
  Label16 = MakeLabel(Panel2, "Label16", "Velocity factor", {20, 368, 260, 26}, Qt::white);
  Edit9 = MakeEdit(Panel2, "Edit9", StartText("1.0"), {20, 396, 150, 32});
  Button2 = MakeButton(Panel2, "Button2", "Calculate", {20, 450, 180, 54});
  Label14 = MakeLabel(Panel2, "Label14", "Length of matching section (mm)", {20, 520, 288, 26},
                      Qt::white, 15);
  Edit7 = MakeEdit(Panel2, "Edit7", "0", {20, 548, 150, 32});
  Label15 = MakeLabel(Panel2, "Label15", "Impedance of matching section (ohms)", {20, 600, 288, 26},
                      Qt::white, 15);
  Edit8 = MakeEdit(Panel2, "Edit8", "0", {20, 628, 150, 32});
  for (QWidget* w : std::initializer_list<QWidget*>{Label14, Edit7, Label15, Edit8})
    w->setVisible(false);
  Label20 = MakeLabel(Panel2, "Label20", "Sample coax types", {310, 152, 247, 26}, Qt::white);
  ListBox1 = new QListWidget(Panel2);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setGeometry(310, 180, 247, 530);
  ListBox1->setFont(PixelFont("Arial", 14));
  for (const char* coax : kSampleCoax) ListBox1->addItem(coax);
}

void TForm2::BindEvents() {
  connect(RadioGroup1, &RadioGroup::Clicked, this, GuardedSlot(this, &TForm2::RadioGroup1Click));
  connect(RadioGroup2, &RadioGroup::Clicked, this, GuardedSlot(this, &TForm2::RadioGroup2Click));
  connect(Button1, &QPushButton::clicked, this, GuardedSlot(this, &TForm2::Button1Click));
  connect(Button2, &QPushButton::clicked, this, GuardedSlot(this, &TForm2::Button2Click));
  connect(Button3, &QPushButton::clicked, this, &QDialog::accept);
  // Enter in a box calculates the panel that holds it; it never closes the screen.
  for (QPushButton* button : {Button1, Button2, Button3}) button->setAutoDefault(false);
  for (QLineEdit* box : {Edit1, Edit2, Edit3})
    connect(box, &QLineEdit::returnPressed, Button1, &QPushButton::click);
  for (QLineEdit* box : {Edit4, Edit5, Edit6, Edit9})
    connect(box, &QLineEdit::returnPressed, Button2, &QPushButton::click);
}

void TForm2::SetTabOrder() {
  QList<QWidget*> chain = {Edit4, Edit5, Edit6, Edit9, Button2, Edit7, Edit8, ListBox1};
  for (int i = 0; i < RadioGroup1->Count(); ++i) chain << RadioGroup1->Button(i);
  for (int i = 0; i < RadioGroup2->Count(); ++i) chain << RadioGroup2->Button(i);
  chain << Edit1 << Edit2 << Edit3 << Button1 << Button3;
  for (int i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void TForm2::FormActivate() {
  TYagibaseform::FormActivate();
  Edit4->setFocus();
}

// Shows the boxes of the two knowns and hides the unknown's box, with their captions.
void TForm2::ShowKnowns() {
  const int unknown = RadioGroup1->ItemIndex();
  const auto show = [](QLabel* label, QLineEdit* box, bool on) {
    label->setVisible(on);
    box->setVisible(on);
  };
  show(Label12, Edit1, unknown != static_cast<int>(calc::RodUnknown::CrossSection));
  show(Label11, Edit2, unknown != static_cast<int>(calc::RodUnknown::Separation));
  show(Label10, Edit3, unknown != static_cast<int>(calc::RodUnknown::Impedance));
}

void TForm2::RadioGroup1Click() {
  Label17->clear();
  ShowKnowns();
}

void TForm2::RadioGroup2Click() {
  ShowKnowns();
  Label17->clear();
  const bool round = RadioGroup2->ItemIndex() == static_cast<int>(calc::RodShape::Round);
  Label11->setText(round ? "Centre to centre (mm)" : "Face to face (mm)");
}

void TForm2::Button1Click() {
  Label17->clear();
  const auto unknown = static_cast<calc::RodUnknown>(RadioGroup1->ItemIndex());
  QLabel* label = unknown == calc::RodUnknown::CrossSection ? Label12
                  : unknown == calc::RodUnknown::Separation ? Label11
                                                            : Label10;
  QLineEdit* box = unknown == calc::RodUnknown::CrossSection ? Edit1
                   : unknown == calc::RodUnknown::Separation ? Edit2
                                                             : Edit3;
  label->setVisible(true);
  box->setVisible(true);
  const auto r =
      calc::CalculateRods(unknown, static_cast<calc::RodShape>(RadioGroup2->ItemIndex()),
                          FromQ(Edit1->text()), FromQ(Edit2->text()), FromQ(Edit3->text()));
  Label17->setText(ToQ(r.warning));
  box->setText(ToQ(r.text));
}

void TForm2::Button2Click() {
  const auto e = calc::ParseQuarterWave(FromQ(Edit4->text()), FromQ(Edit5->text()),
                                        FromQ(Edit6->text()), FromQ(Edit9->text()));
  Label14->setVisible(true);
  Edit7->setVisible(true);
  Edit7->setText(ToQ(bs::FormatFixed(calc::QuarterWaveLength(e), 5, 1)));
  Label15->setVisible(true);
  Edit8->setVisible(true);
  Edit8->setText(ToQ(bs::FormatFixed(calc::QuarterWaveImpedance(e), 5, 1)));
}

void TForm2::ContentsHTML1Click() {
  ShowManualTopic("\\Zuzo.chm", kManualTopic);
}

}  // namespace bs::gui
