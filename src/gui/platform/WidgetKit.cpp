#include "gui/platform/WidgetKit.h"

#include <QApplication>
#include <QPalette>

namespace bs::gui {

QColor Olive() {
  return QColor(0x80, 0x80, 0x00);
}

QColor ButtonFace() {
  return QApplication::palette().color(QPalette::Button);
}

void FillBackground(QWidget* widget, const QColor& color) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  widget->setPalette(palette);
}

void SetTextColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, color);
  widget->setPalette(palette);
}

QFont PixelFont(const char* family, int pixels, bool bold) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QFont ComicSans(int pixels) {
  return PixelFont(kComicSans, pixels);
}

QFont Arial(int pixels, bool bold) {
  return PixelFont(kArial, pixels, bold);
}

QFont ControlFont(int pixels, bool bold) {
  QFont font = QApplication::font();
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QFrame* SunkenPanel(QWidget* parent, const char* name, const QRect& geometry,
                    std::optional<QColor> fill, int lineWidth) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(lineWidth);
  panel->setGeometry(geometry);
  if (fill) FillBackground(panel, *fill);
  return panel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  const QFont& font, const QColor& color, Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setFont(font);
  label->setAlignment(alignment);
  SetTextColor(label, color);
  return label;
}

QLabel* WhiteLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                   const QFont& font, Qt::Alignment alignment) {
  return MakeLabel(parent, name, text, geometry, font, Qt::white, alignment);
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& geometry, const QFont& font) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setGeometry(geometry);
  edit->setFont(font);
  return edit;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry, const QFont& font) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setFont(font);
  return button;
}

RadioGroup* MakeRadioGroup(QWidget* parent, const char* name, const QString& title,
                           const QStringList& items, const QRect& geometry, const QFont& font,
                           const QColor& color) {
  auto* group = new RadioGroup(title, items, parent);
  group->setObjectName(name);
  group->setGeometry(geometry);
  group->setFont(font);
  group->SetColor(color);
  return group;
}

}  // namespace bs::gui
