#pragma once
// Controls of the calculator screens, made the same way on all four: labels, boxes, panels,
// buttons, result boxes and radio groups at their design-size places, and a picture box.
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/platform/RadioGroup.h"

namespace bs::gui {

QFont PixelFont(const QString& family, int pixels, bool bold = false);

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  const QColor& color, int pixels = 16);
QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& text, const QRect& geometry);
// A panel with a lowered bevel.
QFrame* MakePanel(QWidget* parent, const char* name, const QRect& geometry, const QColor& color);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry);
// A multi-line text box in Arial; `pixels` is its font size.
QPlainTextEdit* MakeMemo(QWidget* parent, const char* name, const QRect& geometry, int pixels);
RadioGroup* MakeGroup(QWidget* parent, const char* name, const QString& title,
                      const QStringList& items, const QRect& geometry, const QColor& color);

// Appends to a text box as the screens do: its old text plus the piece (CR LF become line ends).
void AppendText(QPlainTextEdit* memo, const std::string& piece);
void SetText(QPlainTextEdit* memo, const std::string& text);

// A picture control that shows an image centred and scaled in proportion.
class PictureBox : public QWidget {
 public:
  explicit PictureBox(QWidget* parent) : QWidget(parent) {}
  void SetImage(const QImage& image);
  const QImage& Image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

}  // namespace bs::gui
