#include "gui/calculators/CalcWidgets.h"

#include <QPainter>

#include "gui/platform/Text.h"

namespace bs::gui {

QFont PixelFont(const QString& family, int pixels, bool bold) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  const QColor& color, int pixels) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setFont(PixelFont("Arial", pixels));
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
  return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name);
  edit->setGeometry(geometry);
  edit->setFont(PixelFont("Arial", 16));
  return edit;
}

QFrame* MakePanel(QWidget* parent, const char* name, const QRect& geometry, const QColor& color) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(2);
  panel->setGeometry(geometry);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, color);
  panel->setPalette(palette);
  return panel;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setFont(PixelFont("Arial", 16, true));
  return button;
}

QPlainTextEdit* MakeMemo(QWidget* parent, const char* name, const QRect& geometry, int pixels) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(name);
  memo->setGeometry(geometry);
  memo->setFont(PixelFont("Arial", pixels));
  memo->setTabStopDistance(8 * QFontMetricsF(memo->font()).averageCharWidth());
  // Tab moves the focus on; a tab typed into the box would be lost among the columns anyway.
  memo->setTabChangesFocus(true);
  return memo;
}

RadioGroup* MakeGroup(QWidget* parent, const char* name, const QString& title,
                      const QStringList& items, const QRect& geometry, const QColor& color) {
  auto* group = new RadioGroup(title, items, parent);
  group->setObjectName(name);
  group->setGeometry(geometry);
  group->setFont(PixelFont("Arial", 16));
  group->SetColor(color);
  return group;
}

void SetText(QPlainTextEdit* memo, const std::string& text) {
  memo->setPlainText(ToQ(text).replace("\r\n", "\n"));
}

void AppendText(QPlainTextEdit* memo, const std::string& piece) {
  QTextCursor cursor = memo->textCursor();
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(ToQ(piece).replace("\r\n", "\n"));
  memo->setTextCursor(cursor);
  memo->ensureCursorVisible();
}

void PictureBox::SetImage(const QImage& image) {
  image_ = image;
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QSizeF size = QSizeF(image_.size()).scaled(QSizeF(this->size()), Qt::KeepAspectRatio);
  const QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
  painter.drawImage(target, image_);
}

}  // namespace bs::gui
