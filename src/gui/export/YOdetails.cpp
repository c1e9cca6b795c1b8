#include "gui/export/YOdetails.h"

#include <cmath>
#include <memory>

#include "core/export/Estimate.h"
#include "core/export/MaaFile.h"
#include "core/export/NecDeck.h"
#include "core/export/YOconversion.h"
#include "core/export/YagFile.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Numbers.h"
#include "core/platform/TextFile.h"
#include "core/state/YagiVar.h"
#include "gui/app/Screens.h"
#include "gui/export/Converter.h"
#include "gui/export/ExportWidgets.h"
#include "gui/platform/ErrorGuard.h"
#include "gui/platform/Text.h"
#include "gui/simulate/Simulate.h"

namespace bs::gui {

using namespace bs::gui::exporting;

namespace {

constexpr int kRow = 28;
constexpr int kRowStep = 38;
constexpr int kManualTopic = 90;
const char* const kYagFilter = "Zuzo Optimiser (*.yag)|*.yag|All files (*.*)|*.*";

bs::YagiVar::State& Shared() {
  return bs::YagiVar::Global();
}

int IndexFromText(const std::string& text) {
  std::int32_t index = -1;
  return bs::TryStrToInt(text, index) ? index : -1;
}

const char* EditName(int box) {
  static const std::array<std::string, 40> names = [] {
    std::array<std::string, 40> n;
    for (int i = 1; i <= 39; ++i) n[i] = "Edit" + std::to_string(i);
    return n;
  }();
  return names[box].c_str();
}

}  // namespace

TYagibaseform5::TYagibaseform5(QWidget* owner) : TYagibaseform(owner) {
  setObjectName("Yagibaseform5");
  setWindowTitle("Make YO file ");
  BuildHeadings();
  BuildFirstColumn();
  BuildDirectorColumns(1, 440, "Dist from Reflector");
  BuildDirectorColumns(9, 820, "Dist from reflector");
  BuildButtons();
  AdjustMenu();
  BindEvents();
  SetTabOrder();
  FinishLayout();
  InitialiseYOvar();
  RadioGroup2->setFocus();
}

void TYagibaseform5::BuildHeadings() {
  auto* heading =
      MakeLabel(Client(), "All length measurements in mm", QRect(0, 40, 1245, 36), Qt::white, true);
  heading->setFont(PixelFont(19, true));
  heading->setAlignment(Qt::AlignCenter);
  MakeLabel(Client(), "Reflector/Dipole/Boom", QRect(40, 88, 360, kRow), Qt::white, true);
  MakeLabel(Client(), "MMANA-GAL and YO require Non metal boom", QRect(440, 716, 760, kRow),
            Qt::white, true)
      ->setAlignment(Qt::AlignCenter);
}

void TYagibaseform5::BuildFirstColumn() {
  RadioGroup2 = MakeGroup(Client(), "RadioGroup2", " Elements in boom ",
                          {"Through", "Insulated", "Non metal"}, QRect(40, 122, 360, 112));
  RadioGroup2->setToolTip("Reflector/Director to boom interface");
  const std::pair<int, const char*> rows[] = {
      {38, "Boom diam"},    {39, "Reflector length"}, {2, "Dipole dist from ref"},
      {3, "Dipole length"}, {1, "Dipole diameter"},   {4, "Director/Reflector diameter"},
  };
  int top = 246;
  for (const auto& [box, caption] : rows) {
    MakeLabel(Client(), caption, QRect(40, top, 220, kRow), Qt::white);
    Edit[box] = MakeEdit(Client(), EditName(box), QRect(270, top, 110, kRow));
    top += kRowStep;
  }
  RadioGroup1 = MakeGroup(Client(), "RadioGroup1", " Calculate frequency from ",
                          {" Length of reflector", " Single rod dipole", " DL6WU folded dipole",
                           " Use frequency estimate"},
                          QRect(40, 488, 360, 150));
  MakeLabel(Client(), "Frequency", QRect(40, 654, 200, kRow), Qt::white);
  Edit[37] = MakeEdit(Client(), EditName(37), QRect(250, 654, 130, kRow));
  Edit[37]->setReadOnly(true);
  // A read-only frequency is shown greyed: it is the estimate's, not the user's.
  Edit[37]->setStyleSheet("QLineEdit:read-only { background: #d4d0c8; }");
}

void TYagibaseform5::BuildDirectorColumns(int first, int left, const char* distanceCaption) {
  MakeLabel(Client(), "Directors", QRect(left, 88, 340, kRow), Qt::white, true);
  MakeLabel(Client(), "Length", QRect(left + 80, 122, 110, kRow), Qt::white);
  MakeLabel(Client(), distanceCaption, QRect(left + 200, 122, 160, kRow), Qt::white);
  for (int k = first; k < first + 8; ++k) {
    const int top = 158 + (k - first) * 66;
    MakeLabel(Client(), "Dir " + QString::number(k), QRect(left, top, 74, kRow), Qt::white);
    Edit[2 * k + 3] = MakeEdit(Client(), EditName(2 * k + 3), QRect(left + 80, top, 110, kRow));
    Edit[2 * k + 4] = MakeEdit(Client(), EditName(2 * k + 4), QRect(left + 200, top, 110, kRow));
  }
}

void TYagibaseform5::BuildButtons() {
  Panel1 = MakePanel(Client(), "Panel1", QRect(440, 756, 360, 90));
  PButton4 = MakeButton(Panel1, "PButton4", "Make Mmana", QRect(24, 22, 150, 46));
  PButton1 = MakeButton(Panel1, "PButton1", "Make YO", QRect(186, 22, 150, 46));
  Panel2 = MakePanel(Client(), "Panel2", QRect(820, 756, 360, 90));
  PButton3 = MakeButton(Panel2, "PButton3", "Convert", QRect(24, 22, 150, 46));
  PButton2 = MakeButton(Panel2, "PButton2", "Back", QRect(186, 22, 150, 46));
  Panel3 = MakePanel(Client(), "Panel3", QRect(40, 756, 360, 90));
  PButton5 = MakeButton(Panel3, "PButton5", "Save .nec", QRect(24, 22, 150, 46));
  PButton6 = MakeButton(Panel3, "PButton6", "Simulate", QRect(186, 22, 150, 46));
}

void TYagibaseform5::AdjustMenu() {
  HideItem(Save1);
  HideItem(SaveAs1);
  LoadYagfile1 = new QAction("&Load Yag file", this);
  LoadYagfile1->setObjectName("LoadYagfile1");
  File1->insertAction(N1, LoadYagfile1);
  HideItem(Task->menuAction());
  HideItem(YO_calc);
}

void TYagibaseform5::BindEvents() {
  connect(LoadYagfile1, &QAction::triggered, this, GuardedSlot(this, &TYagibaseform5::LoadYag));
  connect(PButton1, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform5::GenerateYO));
  connect(PButton2, &QPushButton::clicked, this, &QDialog::accept);
  connect(PButton3, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform5::ConvertScreen));
  connect(PButton4, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform5::PButton4Click));
  connect(PButton5, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform5::SaveNec));
  connect(PButton6, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform5::ShowSimulate));
  // Only the user's choice runs the estimate; SetBoxesFromValues selects items silently.
  connect(RadioGroup1, &RadioGroup::Clicked, this,
          GuardedSlot(this, &TYagibaseform5::CalcFfromRef));
  connect(RadioGroup2, &RadioGroup::Clicked, this,
          GuardedSlot(this, &TYagibaseform5::CalcFfromRef));
}

void TYagibaseform5::SetTabOrder() {
  std::vector<QWidget*> order = {RadioGroup2, Edit[38], Edit[39],    Edit[2], Edit[3],
                                 Edit[1],     Edit[4],  RadioGroup1, Edit[37]};
  for (int box = 5; box <= 36; ++box) order.push_back(Edit[box]);
  order.push_back(PButton4);
  order.push_back(PButton1);
  order.push_back(PButton3);
  order.push_back(PButton2);
  order.push_back(PButton5);
  order.push_back(PButton6);
  for (std::size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
}

void TYagibaseform5::InitialiseYOvar() {
  SetBoxesFromValues();
}

void TYagibaseform5::ExitYOvar() {
  auto& s = Shared();
  for (int box = 1; box <= bs::YagiVar::kYOBoxes; ++box) s.YOText[box] = FromQ(Edit[box]->text());
  s.YOFreqFromText = std::to_string(RadioGroup1->ItemIndex());
  s.YOBoomMountText = std::to_string(RadioGroup2->ItemIndex());
}

void TYagibaseform5::SetBoxesFromValues() {
  const auto& s = Shared();
  for (int box = 1; box <= bs::YagiVar::kYOBoxes; ++box) Edit[box]->setText(ToQ(s.YOText[box]));
  RadioGroup1->SetItemIndex(IndexFromText(s.YOFreqFromText));
  RadioGroup2->SetItemIndex(IndexFromText(s.YOBoomMountText));
  // The frequency is typed only while "Use frequency estimate" is selected.
  Edit[37]->setReadOnly(RadioGroup1->ItemIndex() != bs::exporting::kUseFrequencyEstimate);
}

void TYagibaseform5::FormClose() {
  ExitYOvar();
}

void TYagibaseform5::FormActivate() {
  TYagibaseform::FormActivate();
  // 10 points at the design size
  Label2->setFont(ComicSans(int(std::lround(10 * 96 / 72.0 * ResizeKit1->FontRatio()))));
  Label2->setStyleSheet("color: white;");
}

void TYagibaseform5::GenerateYO() {
  ExitYOvar();
  const auto path = AskForYagFile("YO files (*.yag)|*.yag|All files (*.*)|*.*");
  if (!path) return;
  GenerateYOfile(*path);
  bs::TheDialogs().ShowMessage(*path + bs::exporting::kYagCreated);
}

void TYagibaseform5::GenerateYOfile(const std::string& fileName) {
  ExitYOvar();
  bs::exporting::GenerateYOfile(Shared(), fileName);
  bs::TheDialogs().Beep();
}

void TYagibaseform5::LoadYag() {
  bs::FileDialogOptions options;
  options.title = "Get YO file";
  options.initialDir = bs::exporting::ExportStartFolder("YOFiles");
  options.defaultExt = "yag";
  options.filter = kYagFilter;
  options.fileName = "Untitled.yag";
  auto& dialogs = bs::TheDialogs();
  const auto path = dialogs.OpenFile(options);
  if (!path) {
    SetBoxesFromValues();
    return;
  }
  if (!bs::exporting::ReadYagFile(Shared(), *path)) {
    dialogs.Beep();
    dialogs.ShowMessage(bs::exporting::kNoYagFile);
    return;
  }
  dialogs.ShowMessage(bs::exporting::YagLoadedMessage(*path));
  SetBoxesFromValues();
}

void TYagibaseform5::Refuse(int box, const std::string& message) {
  bs::TheDialogs().ShowMessage(message);
  Edit[box]->setFocus();
}

void TYagibaseform5::ConvertScreen() {
  ExitYOvar();
  if (const bs::BoxProblem problem = bs::YOconversion::CheckConversionTexts(Shared())) {
    Refuse(problem.box, problem.message);
    return;
  }
  {
    TConvertYagi dialog(this);
    dialog.exec();
  }
  SetBoxesFromValues();
}

void TYagibaseform5::CalcFfromRef() {
  ExitYOvar();
  auto& s = Shared();
  if (const bs::BoxProblem problem = bs::exporting::CheckEstimateTexts(s)) {
    Refuse(problem.box, problem.message);
    SetBoxesFromValues();
    return;
  }
  const bool typed = RadioGroup1->ItemIndex() == bs::exporting::kUseFrequencyEstimate;
  Edit[37]->setReadOnly(!typed);
  const bs::exporting::EstimateAction action = bs::exporting::RunEstimate(s);
  if (action == bs::exporting::EstimateAction::kNothing) return;
  if (typed) Edit[37]->setFocus();
  SetBoxesFromValues();
}

bool TYagibaseform5::StoreTypedDimensions() {
  std::array<std::string, 40> boxes;
  for (int box = 1; box <= bs::YagiVar::kYOBoxes; ++box) boxes[box] = FromQ(Edit[box]->text());
  const std::string refusal = bs::exporting::StoreTypedDimensions(Shared(), boxes);
  if (refusal.empty()) return true;
  bs::TheDialogs().ShowMessage(refusal);
  return false;
}

void TYagibaseform5::PButton4Click() {
  if (!StoreTypedDimensions()) return;
  auto& s = Shared();
  s.YOFormLeft = x();
  s.YOFormTop = y();
  std::unique_ptr<QDialog> mmana(CreateScreen(ScreenId::Mmana, this));
  if (mmana) mmana->exec();
}

// The NEC-2 model of the typed dimensions, which are non-metal lengths.
void TYagibaseform5::SaveNec() {
  if (!StoreTypedDimensions()) return;
  const auto path = bs::TheDialogs().SaveFile(bs::exporting::NecSaveDialogOptions());
  if (!path) return;
  bs::exporting::WriteNecDeck(*path, Shared(), {});
  bs::TheDialogs().ShowMessage(*path + " saved");
}

void TYagibaseform5::ShowSimulate() {
  if (!StoreTypedDimensions()) return;
  TSimulateForm simulate(this, false);
  simulate.exec();
}

void TYagibaseform5::ContentsHTML1Click() {
  TYagibaseform::ContentsHTML1Click();
  ShowManualTopic("\\Help\\Zuzo.chm", kManualTopic);
}

}  // namespace bs::gui
