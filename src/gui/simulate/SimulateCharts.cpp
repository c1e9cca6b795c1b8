#include "gui/simulate/SimulateCharts.h"

#include <QLineSeries>
#include <QPolarChart>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace bs::gui {
namespace {

using bs::simulate::PatternCut;
using bs::simulate::SweepResult;

// Gains this far below the peak sit on the rim of a polar plot.
constexpr double kPolarRangeDb = 30;
constexpr double kMaxSwrShown = 10;

QChartView* NewView(QWidget* parent, const char* name, QChart* chart) {
  auto* view = new QChartView(chart, parent);
  view->setObjectName(name);
  view->setRenderHint(QPainter::Antialiasing);
  view->setFocusPolicy(Qt::NoFocus);  // Tab goes from entry to entry, not through the plots
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->setMargins(QMargins(4, 4, 4, 4));
  return view;
}

QValueAxis* Axis(const QString& title, double low, double high) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setRange(low, high);
  axis->setLabelFormat("%.4g");
  return axis;
}

QLineSeries* Series(const QString& name, const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
  auto* series = new QLineSeries;
  series->setName(name);
  QPen pen(colour);
  pen.setWidthF(2);
  pen.setStyle(style);
  series->setPen(pen);
  return series;
}

void Attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
  chart->addSeries(series);
  series->attachAxis(x);
  series->attachAxis(y);
}

// A range that holds the values, with a little room; [0, 1] when there are none.
std::pair<double, double> Range(const std::vector<double>& values, double pad) {
  if (values.empty()) return {0, 1};
  auto [lo, hi] = std::minmax_element(values.begin(), values.end());
  const double room = std::max(pad, (*hi - *lo) * 0.05);
  return {std::floor(*lo - room), std::ceil(*hi + room)};
}

void ResetChart(QChart* chart, const QString& title) {
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
  chart->setTitle(title);
}

// A frequency chart with a y axis on each side: the axes are added, and returned as x, left,
// right.
struct FrequencyAxes {
  QValueAxis* x;
  QValueAxis* left;
  QValueAxis* right;
};
FrequencyAxes AddFrequencyAxes(QChart* chart, const SweepResult& r, QValueAxis* left,
                               QValueAxis* right) {
  const double f0 = r.points.empty() ? 0 : r.points.front().mhz;
  const double f1 = r.points.empty() ? 1 : r.points.back().mhz;
  auto* x = Axis("MHz", f0, f1 > f0 ? f1 : f0 + 1);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(left, Qt::AlignLeft);
  chart->addAxis(right, Qt::AlignRight);
  return {x, left, right};
}

// The design frequency as a dashed vertical line across the y range.
void MarkDesign(QChart* chart, double mhz, QValueAxis* x, QValueAxis* y) {
  auto* marker = Series(QString("Design %1 MHz").arg(mhz, 0, 'f', 3), Qt::darkGray, Qt::DashLine);
  marker->append(mhz, y->min());
  marker->append(mhz, y->max());
  Attach(chart, marker, x, y);
}

void ShowGain(QChart* chart, const SweepResult& r) {
  ResetChart(chart, "Forward gain and front-to-back");
  auto* gain = Series("Gain dBi", QColor(0, 90, 170));
  auto* fb = Series("F/B dB", QColor(200, 80, 0));
  std::vector<double> gains, fbs;
  for (const auto& p : r.points) {
    if (!p.ok) continue;
    gain->append(p.mhz, p.forwardDbi);
    fb->append(p.mhz, p.frontToBackDb);
    gains.push_back(p.forwardDbi);
    fbs.push_back(p.frontToBackDb);
  }
  const auto [g0, g1] = Range(gains, 0.5);
  const auto [b0, b1] = Range(fbs, 1);
  const auto axes = AddFrequencyAxes(chart, r, Axis("Gain dBi", g0, g1), Axis("F/B dB", b0, b1));
  Attach(chart, gain, axes.x, axes.left);
  Attach(chart, fb, axes.x, axes.right);
  MarkDesign(chart, r.designMhz, axes.x, axes.left);
}

void ShowSwr(QChart* chart, const SweepResult& r) {
  ResetChart(chart, QString("SWR (%1 ohm) and feed impedance R + jX").arg(r.referenceOhm));
  auto* swr = Series("SWR", QColor(0, 130, 60));
  auto* res = Series("R ohm", QColor(120, 0, 160));
  auto* rea = Series("X ohm", QColor(160, 120, 0), Qt::DotLine);
  std::vector<double> ohms;
  for (const auto& p : r.points) {
    if (!p.ok) continue;
    swr->append(p.mhz, std::min(p.swr, kMaxSwrShown));
    res->append(p.mhz, p.impedance.real());
    rea->append(p.mhz, p.impedance.imag());
    ohms.push_back(p.impedance.real());
    ohms.push_back(p.impedance.imag());
  }
  const auto [o0, o1] = Range(ohms, 5);
  const auto axes = AddFrequencyAxes(chart, r, Axis("SWR", 1, kMaxSwrShown), Axis("ohm", o0, o1));
  Attach(chart, swr, axes.x, axes.left);
  Attach(chart, res, axes.x, axes.right);
  Attach(chart, rea, axes.x, axes.right);
  MarkDesign(chart, r.designMhz, axes.x, axes.left);
}

void ShowCut(QPolarChart* chart, const QString& title, const PatternCut& cut) {
  ResetChart(
      chart,
      cut.points.empty()
          ? title
          : QString("%1, 3 dB beamwidth %2 deg").arg(title).arg(cut.beamwidthDeg, 0, 'f', 1));
  double peak = -1e9;
  for (const auto& p : cut.points) peak = std::max(peak, p.gainDbi);
  if (cut.points.empty()) peak = 0;
  const double top = std::ceil(peak / 5) * 5;
  const double floor = top - kPolarRangeDb - 5;
  auto* angle = Axis("", 0, 360);
  angle->setTickCount(13);
  angle->setLabelFormat("%d");
  auto* radius = Axis("dBi", floor, top);
  radius->setTickCount(static_cast<int>((top - floor) / 5) + 1);
  chart->addAxis(angle, QPolarChart::PolarOrientationAngular);
  chart->addAxis(radius, QPolarChart::PolarOrientationRadial);
  auto* series = Series("dBi", QColor(0, 90, 170));
  for (const auto& p : cut.points) series->append(p.angleDeg, std::max(p.gainDbi, floor));
  Attach(chart, series, angle, radius);
  chart->legend()->hide();
}

}  // namespace

SimulateCharts::SimulateCharts(QWidget* parent)
    : GainChart(NewView(parent, "GainChart", new QChart)),
      SwrChart(NewView(parent, "SwrChart", new QChart)),
      EPlaneChart(NewView(parent, "EPlaneChart", new QPolarChart)),
      HPlaneChart(NewView(parent, "HPlaneChart", new QPolarChart)) {
  Clear();
}

void SimulateCharts::Clear() {
  Show({});
}

void SimulateCharts::Show(const SweepResult& result) {
  ShowGain(GainChart->chart(), result);
  ShowSwr(SwrChart->chart(), result);
  ShowCut(static_cast<QPolarChart*>(EPlaneChart->chart()), "E-plane", result.ePlane);
  ShowCut(static_cast<QPolarChart*>(HPlaneChart->chart()), "H-plane", result.hPlane);
}

void SimulateCharts::Render(QPainter& painter, const QRectF& target) {
  QChartView* views[] = {GainChart, SwrChart, EPlaneChart, HPlaneChart};
  const double w = target.width() / 2;
  const double h = target.height() / 2;
  for (int i = 0; i < 4; ++i) {
    const QRectF cell(target.left() + (i % 2) * w, target.top() + (i / 2) * h, w, h);
    views[i]->render(&painter, cell);
  }
}

}  // namespace bs::gui
