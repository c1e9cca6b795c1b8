#include "gui/export/MmanaFile.h"

#include "core/export/ElementTable.h"
#include "core/export/YagFile.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Errors.h"
#include "core/platform/TextFile.h"
#include "core/state/YagiVar.h"
#include "gui/export/ExportWidgets.h"
#include "gui/platform/ErrorGuard.h"
#include "gui/platform/Text.h"

namespace bs::gui {

using namespace bs::gui::exporting;

namespace {

constexpr const char* kMmanaFolder = "MmanaFiles";

QStringList Items(const std::vector<std::string>& items) {
  QStringList list;
  for (const auto& item : items) list << ToQ(item);
  return list;
}

// A list with its caption above it.
QComboBox* LabelledList(QWidget* parent, const char* name, const char* caption,
                        const std::vector<std::string>& items, QPoint at, int width) {
  MakeLabel(parent, caption, QRect(at, QSize(460, 26)), Qt::black);
  return MakeList(parent, name, Items(items), QRect(at + QPoint(0, 28), QSize(width, 30)));
}

// The item index of the text a list shows; -1 for typed text that is no item.
int ShownItem(const QComboBox* list) {
  return list->findText(list->currentText(), Qt::MatchExactly);
}

void Select(QComboBox* list, const char* item) {
  list->setCurrentIndex(list->findText(item, Qt::MatchExactly));
}

}  // namespace

TYagibaseform6::TYagibaseform6(QWidget* owner) : TYagibaseform(owner) {
  setObjectName("Yagibaseform6");
  setWindowTitle("MMANA-GAL");
  auto* heading =
      MakeLabel(Client(), "Save antenna as .MAA file for use in MMANA-GAL antenna optimiser",
                QRect(0, 40, 1245, 36), Qt::white, true);
  heading->setFont(PixelFont(19, true));
  heading->setAlignment(Qt::AlignCenter);
  BuildSegmentation();
  BuildChoices();
  BuildNotes();
  BuildButtons();
  FinishLayout();
  FormCreate();
}

void TYagibaseform6::BuildSegmentation() {
  Panel1 = MakePanel(Client(), "Panel1", QRect(60, 96, 540, 440));
  auto* title = MakeLabel(Panel1, "Segmentation", QRect(0, 8, 540, 28), Qt::black, true);
  title->setAlignment(Qt::AlignCenter);
  using namespace bs::exporting;
  ComboBox1 = LabelledList(Panel1, "ComboBox1", "DM1:   the start interval for tapering ",
                           kMaaDm1Items, {20, 44}, 160);
  ComboBox2 = LabelledList(Panel1, "ComboBox2", "DM2:   the final interval for tapering",
                           kMaaDm2Items, {20, 122}, 160);
  ComboBox3 = LabelledList(Panel1, "ComboBox3", "SC:   the easing parameter (multiplier)",
                           kMaaScItems, {20, 200}, 160);
  ComboBox4 = LabelledList(Panel1, "ComboBox4", "EC:  number of  DM1 segs at taper-end",
                           kMaaEcItems, {20, 278}, 160);
  Label15 = MakeLabel(Panel1, "Segment =  0.0 lambda", QRect(20, 360, 500, 28), Qt::black, true);
  Label15->setObjectName("Label15");
  Label16 = MakeLabel(Panel1, "Rad:seg = 0:0", QRect(20, 394, 500, 28), Qt::black, true);
  Label16->setObjectName("Label16");
}

void TYagibaseform6::BuildChoices() {
  using namespace bs::exporting;
  auto* area = MakePanel(Client(), "Panel4", QRect(660, 96, 525, 440));
  ComboBox5 = LabelledList(area, "ComboBox5", "Ground", kMaaGroundItems, {20, 14}, 220);
  ComboBox6 = LabelledList(area, "ComboBox6", "Height (metres)", kMaaHeightItems, {20, 98}, 220);
  ComboBox7 = LabelledList(area, "ComboBox7", "Material", kMaaMaterialItems, {20, 182}, 220);
  ComboBox8 =
      LabelledList(area, "ComboBox8", "Dipole construction", kMaaDipoleItems, {20, 266}, 220);
  MakeLabel(area, "Filename (.maa will be added)", QRect(20, 350, 460, 26), Qt::black);
  Edit1 = MakeEdit(area, "Edit1", QRect(20, 378, 220, 30));
  Edit1->setText("Yagi01");
}

void TYagibaseform6::BuildNotes() {
  Panel2 = MakePanel(Client(), "Panel2", QRect(60, 560, 1125, 150));
  const char* notes[] = {
      "Notes: Although calculation accuracy is improved by the use of small segments, there is a "
      "limit.",
      "If the segment  <  0.001 lambda the calculations will not be accurate.",
      "Similarly if the radius of the element : segment size is > 4:1 the accuracy will be poor. ",
      "The file is only correct if Beamsmith is set for insulated, round elements ",
  };
  int top = 12;
  for (const char* line : notes) {
    MakeLabel(Panel2, line, QRect(20, top, 1085, 30), Qt::black);
    top += 32;
  }
}

void TYagibaseform6::BuildButtons() {
  Panel3 = MakePanel(Client(), "Panel3", QRect(765, 740, 420, 90));
  Button1 = MakeButton(Panel3, "Button1", "Save .MAA", QRect(30, 22, 170, 46));
  Button2 = MakeButton(Panel3, "Button2", "Back", QRect(220, 22, 170, 46));
  connect(Button1, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform6::Button1Click));
  connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
  // A chosen item updates the labels at once; typed text when the list is left or Enter pressed,
  // so a half-typed number is not refused at every key.
  connect(ComboBox1, &QComboBox::activated, this,
          GuardedSlot(this, &TYagibaseform6::ComboBox1Change));
  connect(ComboBox1->lineEdit(), &QLineEdit::editingFinished, this,
          GuardedSlot(this, &TYagibaseform6::ComboBox1Change));
}

void TYagibaseform6::FormCreate() {
  const auto& s = bs::YagiVar::Global();
  move(s.YOFormLeft, s.YOFormTop);
}

void TYagibaseform6::SelectDefaults() {
  Select(ComboBox1, "800");
  Select(ComboBox2, "80");
  Select(ComboBox3, "2.0");
  Select(ComboBox4, "2");
  Select(ComboBox5, "Free space");
  Select(ComboBox6, "15");
  Select(ComboBox7, "Al tube");
  Select(ComboBox8, "Single dipole");
}

void TYagibaseform6::FormActivate() {
  TYagibaseform::FormActivate();
  SelectDefaults();
  FillLabels();
}

void TYagibaseform6::ComboBox1Change() {
  FillLabels();
}

void TYagibaseform6::FillLabels() {
  auto& s = bs::YagiVar::Global();
  const std::string dm1 = FromQ(ComboBox1->currentText());
  Label16->setText(ToQ(bs::exporting::RadSegLabel(s, dm1)));
  Label15->setText(ToQ(bs::exporting::SegmentLabel(s, dm1)));
}

bs::exporting::MaaChoices TYagibaseform6::Choices() const {
  bs::exporting::MaaChoices c;
  c.name = FromQ(Edit1->text());
  c.dm1 = FromQ(ComboBox1->currentText());
  c.dm2 = FromQ(ComboBox2->currentText());
  c.sc = FromQ(ComboBox3->currentText());
  c.ec = FromQ(ComboBox4->currentText());
  c.ground = ShownItem(ComboBox5);
  c.height = FromQ(ComboBox6->currentText());
  c.material = ShownItem(ComboBox7);
  c.folded = ShownItem(ComboBox8) != 0;
  return c;
}

void TYagibaseform6::Button1Click() {
  auto& dialogs = bs::TheDialogs();
  const auto& s = bs::YagiVar::Global();
  const bs::exporting::MaaChoices choices = Choices();
  if (choices.folded && !bs::exporting::HasFoldedDipole(s)) {
    dialogs.ShowMessage(bs::exporting::kFoldedNeedsDesign);
    return;
  }
  if (s.BoomMount != u'N') dialogs.ShowMessage(bs::exporting::kNotInsulated);
  const std::string dir = bs::CurrentDir();
  const std::string folder = bs::JoinPath(dir, std::string("\\") + kMmanaFolder);
  if (!bs::DirectoryExists(folder)) {
    try {
      bs::ForceDirectory(folder);
    } catch (const bs::Error&) {
      dialogs.ShowMessage(bs::exporting::kNoMmanaFolder);
    }
  }
  bs::FileDialogOptions options;
  options.title = "Create a .MAA file";
  options.initialDir = bs::exporting::ExportStartFolder(kMmanaFolder);
  options.defaultExt = "maa";
  options.fileName = choices.name + ".maa";
  const auto path = dialogs.SaveFile(options);
  if (!path) return;
  bs::exporting::WriteMaaFile(s, choices, *path);
  bs::SetCurrentDir(dir);
  dialogs.ShowMessage(*path + bs::exporting::kMaaSaved);
}

}  // namespace bs::gui
