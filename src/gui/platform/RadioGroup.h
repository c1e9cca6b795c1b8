#pragma once
// A radio group: a titled box of mutually exclusive items with an item index (-1 for none) and
// a click event that fires when the user picks an item (by mouse or keyboard).
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

namespace bs::gui {

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const QString& title, const QStringList& items, QWidget* parent);

  int ItemIndex() const;
  // Selects an item without firing Clicked; an index outside the items clears the selection.
  void SetItemIndex(int index);
  int Count() const { return static_cast<int>(buttons_.size()); }
  QRadioButton* Button(int index) const { return buttons_.at(index); }
  // Paints the whole box in the colour (white, cream), title and items included.
  void SetColor(const QColor& color);

 signals:
  void Clicked();

 private:
  QButtonGroup* group_;
  QList<QRadioButton*> buttons_;
};

}  // namespace bs::gui
