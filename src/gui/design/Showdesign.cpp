#include "gui/design/Showdesign.h"

#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

#include <memory>

#include "core/design/Design.h"
#include "core/export/NecDeck.h"
#include "core/export/YagFile.h"
#include "core/platform/Dialogs.h"
#include "core/platform/TextFile.h"
#include "core/state/YagiVar.h"
#include "gui/design/BalunF.h"
#include "gui/design/DesignPictures.h"
#include "gui/export/ExportWidgets.h"
#include "gui/platform/ErrorGuard.h"
#include "gui/platform/Text.h"
#include "gui/platform/WidgetKit.h"
#include "gui/simulate/Simulate.h"

namespace bs::gui {

namespace {

// Report line ends (CR LF, or a lone CR or LF) as the box's paragraph breaks.
QString BoxText(const std::string& report) {
  QString text = ToQ(report);
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  return text;
}

}  // namespace

TYagibaseform2::TYagibaseform2(QWidget* owner) : TYagibaseform(owner) {
  setObjectName("Yagibaseform2");
  setWindowTitle("Zuzo Results");
  HideItem(File1->menuAction());
  HideItem(Task->menuAction());
  HideItem(Design_yagi);
  BuildMemo();
  BuildButtons();
  BuildPicture();
  BuildSimulationButtons();
  FinishLayout();
}

void TYagibaseform2::BuildMemo() {
  Memo1 = new QPlainTextEdit(Client());
  Memo1->setObjectName("Memo1");
  Memo1->setGeometry(24, 44, 745, 825);
  Memo1->setFont(PixelFont(kMsSansSerif, 13));
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // tab stops every eight average character widths, as on the printed page
  Memo1->setTabStopDistance(8 * QFontMetricsF(Memo1->font()).averageCharWidth());
}

void TYagibaseform2::BuildButtons() {
  Panel1 = SunkenPanel(Client(), "Panel1", QRect(846, 64, 320, 330), ButtonFace());
  const std::pair<QPushButton**, const char*> buttons[] = {{&Button1, "Print results"},
                                                           {&Button2, "Create YO"},
                                                           {&Button5, "Create .maa"},
                                                           {&Button3, "Balun"},
                                                           {&Button4, "Back"}};
  const char* names[] = {"Button1", "Button2", "Button5", "Button3", "Button4"};
  int top = 22;
  for (int i = 0; i < 5; ++i) {
    *buttons[i].first =
        MakeButton(Panel1, names[i], buttons[i].second, QRect(30, top, 260, 44), Arial(16));
    top += 60;
  }
  connect(Button2, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform2::SaveYO));
  connect(Button5, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform2::MakeMMana));
  connect(Button1, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform2::PrintIt));
  connect(Button3, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform2::Showbalun));
  connect(Button4, &QPushButton::clicked, this, &QDialog::accept);
}

void TYagibaseform2::BuildPicture() {
  Label3 = WhiteLabel(Client(), "Label3", "Folded dipole measuring points",
                      QRect(790, 440, 435, 30), ComicSans(19), Qt::AlignCenter);
  Image1 = new DrawingWidget(&FoldedDipolePicture(), Client());
  Image1->setObjectName("Image1");
  Image1->setGeometry(796, 476, 420, 172);
}

// The NEC-2 model and its simulation, in a panel of their own below the picture.
void TYagibaseform2::BuildSimulationButtons() {
  Panel2 = SunkenPanel(Client(), "Panel2", QRect(846, 680, 320, 150), ButtonFace());
  Button6 = MakeButton(Panel2, "Button6", "Save .nec", QRect(30, 22, 260, 44), Arial(16));
  Button7 = MakeButton(Panel2, "Button7", "Simulate", QRect(30, 82, 260, 44), Arial(16));
  connect(Button6, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform2::SaveNec));
  connect(Button7, &QPushButton::clicked, this, GuardedSlot(this, &TYagibaseform2::ShowSimulate));
}

void TYagibaseform2::FormActivate() {
  GetStarted();
}

void TYagibaseform2::GetStarted() {
  bs::design::Report report;
  // The box shows what the calculation appended, also when a fault stopped it; the fault then
  // goes on to the error handler, which shows its message.
  // The calculation's notices come first, as they came up before the report was complete.
  const auto showNotices = [&report] {
    for (const std::string& notice : report.Notices()) bs::TheDialogs().ShowMessage(notice);
  };
  try {
    bs::design::Yagidimensions(bs::YagiVar::Global(), report);
  } catch (...) {
    showNotices();
    ShowCalculated(report);
    throw;
  }
  showNotices();
  ShowCalculated(report);
}

void TYagibaseform2::ShowCalculated(const bs::design::Report& report) {
  ShowReport(report.Text());
  TYagibaseform::FormActivate();
}

void TYagibaseform2::ShowReport(const std::string& text) {
  Memo1->setPlainText(BoxText(text));
}

std::vector<std::string> TYagibaseform2::Memo1Lines() const {
  auto* layout = qobject_cast<QPlainTextDocumentLayout*>(Memo1->document()->documentLayout());
  std::vector<std::string> lines;
  for (QTextBlock block = Memo1->document()->begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    if (!block.next().isValid() && text.isEmpty())
      break;  // the line end after the last line starts no further line
    if (layout) layout->ensureBlockLayout(block);
    const QTextLayout* lineLayout = block.layout();
    if (!lineLayout || lineLayout->lineCount() <= 1) {
      lines.push_back(FromQ(text));
      continue;
    }
    for (int i = 0; i < lineLayout->lineCount(); ++i) {
      const QTextLine line = lineLayout->lineAt(i);
      lines.push_back(FromQ(text.mid(line.textStart(), line.textLength())));
    }
  }
  return lines;
}

void TYagibaseform2::PrintIt() {
  bs::design::PrintReportLines(Memo1Lines());
}

void TYagibaseform2::SaveYO() {
  const auto path = exporting::AskForYagFile("Zuzo Optimiser (*.yag)|*.yag|All files (*.*)|*.*");
  if (!path) return;
  // A failed write raises before the message and keeps any earlier file.
  bs::exporting::WriteDesignYag(bs::YagiVar::Global(), *path);
  bs::TheDialogs().Beep();
  bs::TheDialogs().ShowMessage(*path + bs::exporting::kYagCreated);
}

void TYagibaseform2::MakeMMana() {
  std::unique_ptr<QDialog> mmana(CreateScreen(ScreenId::Mmana, this));
  if (mmana) mmana->exec();
}

void TYagibaseform2::Showbalun() {
  if (!bs::design::BalunUsable(bs::YagiVar::Global())) {
    bs::TheDialogs().ShowMessage(bs::design::kNoBalunCoax);
    return;
  }
  TfmBalunBox balun(this);
  balun.exec();
}

void TYagibaseform2::SaveNec() {
  const auto path = bs::TheDialogs().SaveFile(bs::exporting::NecSaveDialogOptions());
  if (!path) return;
  bs::exporting::WriteNecDeck(*path, bs::YagiVar::Global(), {});
  bs::TheDialogs().ShowMessage(*path + " saved");
}

void TYagibaseform2::ShowSimulate() {
  TSimulateForm simulate(this, true);
  simulate.exec();
}

}  // namespace bs::gui
