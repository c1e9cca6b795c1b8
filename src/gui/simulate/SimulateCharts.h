#pragma once
// The four plots of the Simulate screen: gain and front-to-back against frequency, SWR and the
// feed impedance against frequency (both with the design frequency marked), and the E-plane
// and H-plane pattern cuts at the design frequency as polar plots.
#include <QChartView>
#include <QPainter>

#include "core/simulate/Sweep.h"

namespace bs::gui {

class SimulateCharts {
 public:
  explicit SimulateCharts(QWidget* parent);

  // Empty plots with their titles and axes.
  void Clear();
  void Show(const bs::simulate::SweepResult& result);
  // The four plots side by side in two rows, drawn into the rectangle (for printing).
  void Render(QPainter& painter, const QRectF& target);

  QChartView* GainChart;
  QChartView* SwrChart;
  QChartView* EPlaneChart;
  QChartView* HPlaneChart;
};

}  // namespace bs::gui
