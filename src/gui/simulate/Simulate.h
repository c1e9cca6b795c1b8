#pragma once
// The "Simulate" screen: a frequency sweep of the current element table with the NEC-2 engine
// nec2c, run off the GUI thread with a progress bar and a Cancel button; plots of gain and
// front-to-back, SWR and feed impedance against frequency, the two pattern cuts, and the
// figures at the design frequency beside the report's estimates; Print and "Save CSV".
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include "core/simulate/Sweep.h"
#include "core/simulate/SweepReport.h"
#include "gui/app/YagiForm.h"
#include "gui/simulate/SimulateCharts.h"

namespace bs::gui {

class TSimulateForm : public TYagibaseform {
  Q_OBJECT
 public:
  // fromDesign: the element table comes from a design calculation, whose report estimates are
  // shown beside the simulation.
  TSimulateForm(QWidget* owner, bool fromDesign);
  ~TSimulateForm() override;

  QLineEdit* Edit1;      // sweep span, percent
  QLineEdit* Edit2;      // steps
  QLineEdit* Edit3;      // SWR reference, ohm
  QComboBox* ComboBox1;  // driven element
  QPushButton* RunButton;
  QPushButton* CancelButton;
  QProgressBar* ProgressBar1;
  QLabel* StatusLabel;
  QPlainTextEdit* Memo1;
  QPushButton* PrintButton;
  QPushButton* CsvButton;
  QPushButton* BackButton;
  SimulateCharts* Charts;

  void RunButtonClick();
  void CancelButtonClick();
  void PrintButtonClick();
  void CsvButtonClick();
  void ComboBox1Change();
  void ContentsHTML1Click() override;

  bool Running() const { return worker_.joinable() && !finished_; }
  const std::optional<bs::simulate::SweepResult>& Result() const { return result_; }

 protected:
  void FormClose() override;

 private:
  void BuildEntries();
  void BuildButtons();
  void BuildResults();
  void SetRunning(bool running);
  void StopWorker();
  void ShowProgress(int done, int total);
  void Finished(std::optional<bs::simulate::SweepResult> result, const std::string& error,
                bool cancelled);

  bool fromDesign_;
  bs::simulate::ReportEstimate estimate_;
  std::optional<bs::simulate::SweepResult> result_;
  std::thread worker_;
  std::atomic<bool> cancel_{false};
  bool finished_ = true;
};

}  // namespace bs::gui
