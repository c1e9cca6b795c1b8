#include "gui/platform/RadioGroup.h"

#include <QVBoxLayout>

namespace bs::gui {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 4, 6, 4);
  layout->setSpacing(0);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    group_->addButton(button, i);
    layout->addWidget(button);
    buttons_.push_back(button);
  }
  connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::Clicked);
}

int RadioGroup::ItemIndex() const {
  return group_->checkedId();
}

void RadioGroup::SetItemIndex(int index) {
  if (index >= 0 && index < Count()) {
    buttons_[index]->setChecked(true);
    return;
  }
  // An exclusive group keeps its checked button unless exclusivity is lifted for a moment.
  group_->setExclusive(false);
  for (auto* button : buttons_) button->setChecked(false);
  group_->setExclusive(true);
}

void RadioGroup::SetColor(const QColor& color) {
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, color);
  palette.setColor(QPalette::WindowText, Qt::black);
  setPalette(palette);
}

}  // namespace bs::gui
