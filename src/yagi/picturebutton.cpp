#include "picturebutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace yagi {

namespace {
constexpr int iconSide = 28;
constexpr int topMargin = 5;
}  // namespace

PictureButton::PictureButton(const QString& text, const QIcon& icon, QWidget* parent)
    : QPushButton(text, parent) {
  setIcon(icon);
  setIconSize(QSize(iconSide, iconSide));
}

void PictureButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  // The bevel and focus frame come from the style; picture and caption are
  // stacked here.
  QStyleOptionButton bevel = option;
  bevel.text.clear();
  bevel.icon = QIcon();
  painter.drawControl(QStyle::CE_PushButton, bevel);

  QPoint shift;
  if (isDown() || isChecked())
    shift = QPoint(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                   style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
  const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
  const QRect iconRect(QPoint((width() - iconSide) / 2, topMargin), QSize(iconSide, iconSide));
  icon().paint(&painter, iconRect.translated(shift), Qt::AlignCenter, mode);

  const QRect textRect =
      QRect(0, iconRect.bottom() + 1, width(), height() - iconRect.bottom() - 4).translated(shift);
  painter.drawItemText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                       text(), QPalette::ButtonText);
}

}  // namespace yagi
