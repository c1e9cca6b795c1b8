#include "gui/app/About.h"

#include <QFrame>
#include <QShowEvent>

#include "gui/app/Pictures.h"
#include "gui/app/YagiForm.h"
#include "gui/platform/Drawing.h"
#include "gui/platform/WidgetKit.h"

namespace bs::gui {

TfmAboutBox::TfmAboutBox(QWidget* owner) : QDialog(owner) {
  setObjectName("fmAboutBox");
  setWindowTitle("ABOUT ZUZO.EXE");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(369, 252);
  FillBackground(this, Olive());
  SetTextColor(this, Qt::white);

  auto* panel = SunkenPanel(this, "Panel1", QRect(16, 16, 112, 112), std::nullopt, 1);
  auto* picture = new DrawingWidget(&AboutPicture(), panel);
  picture->setObjectName("ProgramIcon");
  picture->setGeometry(4, 4, 104, 104);

  ProductName =
      WhiteLabel(this, "ProductName", "Beamsmith", QRect(144, 24, 210, 28), ControlFont(20, true));
  Comments = new QLabel("for the design of DL6WU yagis for VHF/UHF", this);
  Comments->setObjectName("Comments");
  Comments->setWordWrap(true);
  Comments->setGeometry(144, 60, 210, 44);
  Version = new QLabel(this);
  Version->setObjectName("Version");
  Version->setGeometry(144, 110, 210, 22);

  OKButton = new QPushButton("OK", this);
  OKButton->setObjectName("OKButton");
  OKButton->setGeometry(147, 206, 75, 28);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  Fixscreen();
}

void TfmAboutBox::Fixscreen() {
  Version->setText(VersionText());
}

void TfmAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) CentreOnScreen(this);
}

}  // namespace bs::gui
