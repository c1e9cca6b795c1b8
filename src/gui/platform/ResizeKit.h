#pragma once
// Scales every control and font of a form in proportion to its size, from the design size at
// which the controls were placed, and reports the end of each resize.
#include <QFont>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace bs::gui {

class ResizeKit : public QObject {
  Q_OBJECT
 public:
  // client: the widget whose children sit at design-size positions.
  ResizeKit(QWidget* client, QSize designSize);

  // Records the design geometry and font of every placed control; call once the form is built.
  void Capture();
  // Scales the controls to the client's present size.
  void Rescale();
  double FontRatio() const { return fontRatio_; }

 signals:
  void ExitResize();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Placed {
    QPointer<QWidget> widget;
    QRect geometry;
    double fontPixels;
    double tabChars;  // a text box's tab stop in average character widths, 0 for other controls
  };
  void CaptureChildren(QWidget* parent);

  QWidget* client_;
  QSize designSize_;
  QList<Placed> placed_;
  double clientFontPixels_ = 0;
  double fontRatio_ = 1;
};

// The pixel size of a font, whether it was given in pixels or in points (at 96 dots per inch).
double FontPixels(const QFont& font);

}  // namespace bs::gui
