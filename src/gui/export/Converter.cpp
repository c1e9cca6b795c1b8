#include "gui/export/Converter.h"

#include "core/export/YOconversion.h"
#include "core/platform/Numbers.h"
#include "core/state/YagiVar.h"
#include "gui/export/ExportWidgets.h"
#include "gui/platform/ErrorGuard.h"

namespace bs::gui {

using namespace bs::gui::exporting;

namespace {

const QStringList kMountings = {"  through metal boom", "  insulated/through metal boom",
                                "  non-metallic boom"};

int RecordedMounting() {
  std::int32_t from = -1;
  return bs::TryStrToInt(bs::YagiVar::Global().YOBoomMountText, from) ? from : -1;
}

}  // namespace

TConvertYagi::TConvertYagi(QWidget* owner) : QDialog(owner) {
  setObjectName("ConvertYagi");
  setWindowTitle("ConvertYagi");
  // A fixed border without title-bar buttons: the dialog closes through its buttons (Escape
  // is Cancel).
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(620, 300);
  Label1 = MakeLabel(this, "Conversion of yagi ", QRect(0, 12, 620, 30), Qt::black, true);
  Label1->setObjectName("Label1");
  Label1->setAlignment(Qt::AlignCenter);
  Label2 = MakeLabel(this, "From", QRect(24, 48, 280, 26), Qt::black, true);
  Label2->setObjectName("Label2");
  Label3 = MakeLabel(this, "To", QRect(316, 48, 280, 26), Qt::black, true);
  Label3->setObjectName("Label3");
  RadioGroup1 =
      MakeGroup(this, "RadioGroup1", "Reflector/Directors", kMountings, QRect(24, 78, 280, 130));
  RadioGroup2 =
      MakeGroup(this, "RadioGroup2", "Reflector/Directors ", kMountings, QRect(316, 78, 280, 130));
  RadioGroup2->SetItemIndex(2);
  // The From group shows the mounting recorded on the YO screen; the conversion starts from
  // that, so the group is not offered for a choice.
  RadioGroup1->setEnabled(false);
  Button1 = MakeButton(this, "Button1", "Convert", QRect(150, 228, 140, 44));
  Button2 = MakeButton(this, "Button2", "Cancel", QRect(330, 228, 140, 44));
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, GuardedSlot(this, &TConvertYagi::DoTheConversion));
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  GetItStarted();
  RadioGroup2->setFocus();
}

void TConvertYagi::GetItStarted() {
  RadioGroup1->SetItemIndex(RecordedMounting());
}

void TConvertYagi::DoTheConversion() {
  const int from = RecordedMounting();
  const int to = RadioGroup2->ItemIndex();
  auto& state = bs::YagiVar::Global();
  bs::YOconversion::ConvertLengths(state, from, to);
  state.YOBoomMountText = std::to_string(to);
  accept();
}

}  // namespace bs::gui
