#include "gui/design/BalunF.h"

#include <QShowEvent>

#include "core/design/Printing.h"
#include "core/state/YagiVar.h"
#include "gui/app/YagiForm.h"
#include "gui/design/DesignPictures.h"
#include "gui/platform/ErrorGuard.h"
#include "gui/platform/Text.h"
#include "gui/platform/WidgetKit.h"

namespace bs::gui {

namespace {

constexpr QPoint kPictureAt(4, 4);  // the drawing's place inside the panel
const QColor kSkyBlue(166, 202, 240);

QLabel* MakeLoopLabel(QWidget* panel, const char* name, QPoint at) {
  auto* label = new QLabel(panel);
  label->setObjectName(name);
  label->move(at);
  label->setFont(ControlFont(12, true));
  FillBackground(label, Qt::white);
  SetTextColor(label, Qt::black);
  return label;
}

void SetLabel(QLabel* label, const std::string& text) {
  label->setText(ToQ(text));
  label->adjustSize();
}

}  // namespace

TfmBalunBox::TfmBalunBox(QWidget* owner) : QDialog(owner) {
  setObjectName("fmBalunBox");
  setWindowTitle("Balun");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(536, 353);
  FillBackground(this, Olive());
  Label2 = WhiteLabel(this, "Label2", "4:1 Balun Construction", QRect(0, 8, 536, 34),
                      ControlFont(24, true), Qt::AlignCenter);
  BuildPanel();
  BuildButtons();
}

void TfmBalunBox::BuildPanel() {
  Panel1 = SunkenPanel(this, "Panel1",
                       QRect(67, 50, int(kBalunPictureWidth) + 8, int(kBalunPictureHeight) + 8),
                       kSkyBlue);
  Image1 = new DrawingWidget(&BalunPicture(), Panel1);
  Image1->setObjectName("Image1");
  Image1->setGeometry(QRect(kPictureAt, QSize(int(kBalunPictureWidth), int(kBalunPictureHeight))));
  Label1 = MakeLoopLabel(Panel1, "Label1", {216, 80});
  Label3 = MakeLoopLabel(Panel1, "Label3", {32, 88});
}

void TfmBalunBox::BuildButtons() {
  Button2 = new QPushButton("Print", this);
  Button2->setObjectName("Button2");
  Button2->setGeometry(168, 296, 90, 32);
  Button1 = new QPushButton("Back", this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(278, 296, 90, 32);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, GuardedSlot(this, &TfmBalunBox::Button2Click));
}

void TfmBalunBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  CentreOnScreen(this);
  Guarded([this] { FixLabels(); });
}

void TfmBalunBox::FixLabels() {
  const bs::design::BalunLabels labels = bs::design::FixLabels(bs::YagiVar::Global());
  SetLabel(Label1, labels.loopLength);
  SetLabel(Label3, labels.coax);
}

void TfmBalunBox::Button2Click() {
  auto& state = bs::YagiVar::Global();
  bs::design::PrintBalunPicture(BalunPicture(), bs::design::BalunPrintTitle(state), state);
}

}  // namespace bs::gui
