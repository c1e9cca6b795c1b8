#include "gui/simulate/Simulate.h"

#include <QMetaObject>

#include "core/export/NecDeck.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Numbers.h"
#include "core/platform/Printer.h"
#include "core/platform/TextFile.h"
#include "core/simulate/SimulationError.h"
#include "core/state/YagiVar.h"
#include "gui/platform/Drawing.h"
#include "gui/platform/ErrorGuard.h"
#include "gui/platform/Text.h"

namespace bs::gui {

namespace {

using bs::simulate::SweepResult;

constexpr int kColumn = 885;
constexpr int kColumnWidth = 345;

QLabel* WhiteLabel(const QString& text, QWidget* parent, const QRect& where) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(where);
  label->setFont(PixelFont("Arial", 15));
  label->setStyleSheet("color: white;");
  return label;
}

QPushButton* Button(const QString& text, const char* name, QWidget* parent, const QRect& where) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(where);
  button->setFont(PixelFont("Arial", 15));
  return button;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace

TSimulateForm::TSimulateForm(QWidget* owner, bool fromDesign)
    : TYagibaseform(owner), fromDesign_(fromDesign) {
  setObjectName("SimulateForm");
  setWindowTitle("Simulate");
  HideItem(File1->menuAction());
  HideItem(Task->menuAction());
  if (fromDesign_) estimate_ = bs::exporting::DesignReportEstimate(bs::YagiVar::Global());
  Charts = new SimulateCharts(Client());
  Charts->GainChart->setGeometry(10, 44, 430, 415);
  Charts->SwrChart->setGeometry(445, 44, 430, 415);
  Charts->EPlaneChart->setGeometry(10, 464, 430, 415);
  Charts->HPlaneChart->setGeometry(445, 464, 430, 415);
  BuildEntries();
  BuildButtons();
  BuildResults();
  SetRunning(false);
  FinishLayout();
  // Entries, then the run, the results and the buttons under them.
  QWidget* order[] = {Edit1,        Edit2, Edit3,       ComboBox1, RunButton,
                      CancelButton, Memo1, PrintButton, CsvButton, BackButton};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  RunButton->setFocus();
}

TSimulateForm::~TSimulateForm() {
  StopWorker();
}

void TSimulateForm::BuildEntries() {
  const auto edit = [this](const char* name, const QString& text, int top) {
    auto* box = new QLineEdit(text, Client());
    box->setObjectName(name);
    box->setGeometry(kColumn + kColumnWidth - 90, top, 90, 28);
    box->setFont(PixelFont("Arial", 15));
    return box;
  };
  WhiteLabel("Sweep span +/- %", Client(), {kColumn, 48, 210, 24});
  Edit1 = edit("Edit1", ToQ(FormatGeneral(5)), 46);
  WhiteLabel("Frequency steps", Client(), {kColumn, 84, 210, 24});
  Edit2 = edit("Edit2", "41", 82);
  WhiteLabel("SWR reference ohm", Client(), {kColumn, 120, 210, 24});
  Edit3 = edit("Edit3", "50", 118);
  WhiteLabel("Driven element", Client(), {kColumn, 156, 140, 24});
  ComboBox1 = new QComboBox(Client());
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->addItems({"Single dipole", "Folded dipole"});
  ComboBox1->setGeometry(kColumn + kColumnWidth - 190, 154, 190, 28);
  ComboBox1->setFont(PixelFont("Arial", 15));
  connect(ComboBox1, &QComboBox::currentIndexChanged, this,
          GuardedSlot(this, &TSimulateForm::ComboBox1Change));
}

void TSimulateForm::BuildButtons() {
  RunButton = Button("&Run", "RunButton", Client(), {kColumn, 194, 170, 36});
  CancelButton =
      Button("&Cancel run", "CancelButton", Client(), {kColumn + kColumnWidth - 170, 194, 170, 36});
  PrintButton = Button("&Print", "PrintButton", Client(), {kColumn, 790, 170, 36});
  CsvButton =
      Button("Save CSV", "CsvButton", Client(), {kColumn + kColumnWidth - 170, 790, 170, 36});
  BackButton = Button("Back", "BackButton", Client(), {kColumn, 836, kColumnWidth, 36});
  connect(RunButton, &QPushButton::clicked, this,
          GuardedSlot(this, &TSimulateForm::RunButtonClick));
  connect(CancelButton, &QPushButton::clicked, this,
          GuardedSlot(this, &TSimulateForm::CancelButtonClick));
  connect(PrintButton, &QPushButton::clicked, this,
          GuardedSlot(this, &TSimulateForm::PrintButtonClick));
  connect(CsvButton, &QPushButton::clicked, this,
          GuardedSlot(this, &TSimulateForm::CsvButtonClick));
  connect(BackButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TSimulateForm::BuildResults() {
  ProgressBar1 = new QProgressBar(Client());
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setGeometry(kColumn, 240, kColumnWidth, 24);
  ProgressBar1->setValue(0);
  StatusLabel = WhiteLabel("", Client(), {kColumn, 268, kColumnWidth, 24});
  StatusLabel->setObjectName("StatusLabel");
  Memo1 = new QPlainTextEdit(Client());
  Memo1->setObjectName("Memo1");
  Memo1->setGeometry(kColumn, 298, kColumnWidth, 482);
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont mono("Liberation Mono");
  mono.setStyleHint(QFont::Monospace);
  mono.setPixelSize(10);
  Memo1->setFont(mono);
  Memo1->setPlainText(
      "Run sweeps the element table with the NEC-2 engine nec2c\n"
      "(Debian package nec2c): free space, the parasitic elements\n"
      "in their non-metal lengths.");
}

void TSimulateForm::SetRunning(bool running) {
  RunButton->setEnabled(!running);
  CancelButton->setEnabled(running);
  PrintButton->setEnabled(!running && result_.has_value());
  CsvButton->setEnabled(!running && result_.has_value());
  Edit1->setEnabled(!running);
  Edit2->setEnabled(!running);
  Edit3->setEnabled(!running);
  ComboBox1->setEnabled(!running);
}

void TSimulateForm::ComboBox1Change() {
  Edit3->setText(ComboBox1->currentIndex() == 1 ? "200" : "50");
}

void TSimulateForm::ContentsHTML1Click() {
  TYagibaseform::ContentsHTML1Click();
  ShowManualTopic("\\Zuzo.chm", 150);
}

void TSimulateForm::RunButtonClick() {
  if (Running()) return;
  bs::exporting::NecOptions options;
  options.folded = ComboBox1->currentIndex() == 1;
  options.spanPercent = static_cast<double>(StrToFloat(FromQ(Edit1->text())));
  options.steps = StrToInt(FromQ(Edit2->text()));
  bs::simulate::SweepRequest request =
      bs::exporting::NecSweepRequest(bs::YagiVar::Global(), options);
  request.referenceOhm = static_cast<double>(StrToFloat(FromQ(Edit3->text())));
  bs::simulate::CheckSweepRequest(request);
  if (bs::simulate::FindProgram(request.engine).empty())
    throw bs::simulate::EngineMissingError(bs::simulate::kEngineMissing);
  StopWorker();
  cancel_ = false;
  finished_ = false;
  ProgressBar1->setRange(0, request.steps + 1);
  ProgressBar1->setValue(0);
  StatusLabel->setText("Running nec2c ...");
  SetRunning(true);
  CancelButton->setFocus();
  worker_ = std::thread([this, request] {
    auto result = std::make_shared<std::optional<SweepResult>>();
    std::string error;
    bool cancelled = false;
    try {
      *result = bs::simulate::RunSweep(
          request,
          [this](int done, int total) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { ShowProgress(done, total); }, Qt::QueuedConnection);
          },
          [this] { return cancel_.load(); });
    } catch (const bs::simulate::SimulationCancelled&) {
      cancelled = true;
    } catch (const std::exception& e) {
      error = e.what();
    }
    QMetaObject::invokeMethod(
        this, [this, result, error, cancelled] { Finished(std::move(*result), error, cancelled); },
        Qt::QueuedConnection);
  });
}

void TSimulateForm::ShowProgress(int done, int total) {
  ProgressBar1->setRange(0, total);
  ProgressBar1->setValue(done);
}

void TSimulateForm::Finished(std::optional<SweepResult> result, const std::string& error,
                             bool cancelled) {
  if (worker_.joinable()) worker_.join();
  finished_ = true;
  if (result) {
    result_ = std::move(result);
    Charts->Show(*result_);
    Memo1->setPlainText(ToQ(bs::simulate::DesignFiguresText(*result_, estimate_) + "\n" +
                            bs::simulate::SweepRowsText(*result_)));
    StatusLabel->setText("Done");
  } else {
    StatusLabel->setText(cancelled ? "Cancelled" : "Failed");
  }
  SetRunning(false);
  RunButton->setFocus();
  if (!error.empty()) Guarded([&] { bs::TheDialogs().ShowMessage(error); });
}

void TSimulateForm::CancelButtonClick() {
  cancel_ = true;
  StatusLabel->setText("Cancelling ...");
}

void TSimulateForm::StopWorker() {
  cancel_ = true;
  if (worker_.joinable()) worker_.join();
  finished_ = true;
}

void TSimulateForm::FormClose() {
  StopWorker();
}

void TSimulateForm::PrintButtonClick() {
  if (!result_) return;
  if (!bs::TheDialogs().PrintDialog()) return;
  bs::Printer& printer = bs::ThePrinter();
  printer.SetTitle("Beamsmith simulation");
  printer.BeginDoc();
  const int width = printer.PageWidth();
  const int margin = width / 20;
  const int line = width / 55;
  printer.SetFontSize(10);
  int y = margin;
  for (const auto& text : Lines(bs::simulate::DesignFiguresText(*result_, estimate_))) {
    printer.TextOut(margin, y, text);
    y += line;
  }
  y += line;
  const Drawing plots(
      "Simulation plots", QSizeF(865, 835),
      [this](QPainter& painter, const QRectF& area) { Charts->Render(painter, area); });
  const int plotWidth = width - 2 * margin;
  printer.StretchDraw({margin, y, width - margin, y + plotWidth * 835 / 865}, plots);
  printer.EndDoc();
}

void TSimulateForm::CsvButtonClick() {
  if (!result_) return;
  bs::FileDialogOptions options;
  options.title = "Save CSV";
  options.initialDir = CurrentDir();
  options.defaultExt = "csv";
  options.filter = "CSV files (*.csv)|*.csv|All files (*.*)|*.*";
  options.fileName = "Simulation.csv";
  const auto path = bs::TheDialogs().SaveFile(options);
  if (!path) return;
  WriteTextFile(*path, bs::simulate::SweepCsv(*result_, "\r\n"));
  StatusLabel->setText("Saved " + ToQ(*path));
}

}  // namespace bs::gui
