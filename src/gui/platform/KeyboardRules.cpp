#include "gui/platform/KeyboardRules.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace bs::gui {

namespace {

bool IsEnter(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The list's current entry becomes its selected one, or none when nothing is selected, so the
// first arrow key moves from there rather than from an entry that only looks unchosen.
void MakeCurrentTheSelected(QAbstractItemView* list) {
  QItemSelectionModel* selection = list->selectionModel();
  if (!selection) return;
  const QModelIndexList selected = selection->selectedIndexes();
  if (selected.isEmpty()) {
    selection->clearCurrentIndex();
  } else {
    selection->setCurrentIndex(selected.first(), QItemSelectionModel::NoUpdate);
  }
}

}  // namespace

KeyboardRules::KeyboardRules(QWidget* window) : QObject(window) {
  setObjectName("KeyboardRules");
}

void KeyboardRules::Apply(QWidget* window) {
  auto* rules = window->findChild<KeyboardRules*>("KeyboardRules", Qt::FindDirectChildrenOnly);
  if (!rules) {
    rules = new KeyboardRules(window);
    window->installEventFilter(rules);
  }
  for (QPushButton* button : window->findChildren<QPushButton*>()) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  for (QAbstractItemView* list : window->findChildren<QAbstractItemView*>()) {
    list->removeEventFilter(rules);
    list->installEventFilter(rules);
  }
}

bool KeyboardRules::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) return ListFocusIn(watched, event);
  // Keys reach the window only when the control with the focus has left them alone.
  if (event->type() == QEvent::KeyPress && watched == parent()) {
    const auto* key = static_cast<QKeyEvent*>(event);
    return EnterOrEscape(static_cast<QWidget*>(watched), key->key());
  }
  return false;
}

bool KeyboardRules::EnterOrEscape(QWidget* window, int key) {
  if (key == Qt::Key_Escape) return true;
  if (!IsEnter(key)) return false;
  QWidget* focus = window->focusWidget();
  if (!focus) return true;
  if (auto* button = qobject_cast<QPushButton*>(focus)) {
    if (button->isEnabled()) button->click();
    return true;
  }
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QCoreApplication::sendEvent(focus, &tab);
  return true;
}

bool KeyboardRules::ListFocusIn(QObject* watched, QEvent* event) {
  auto* list = qobject_cast<QAbstractItemView*>(watched);
  if (!list || inFocusIn_) return false;
  // The list's own focus handling runs first (it picks an entry when none is current).
  inFocusIn_ = true;
  QCoreApplication::sendEvent(list, event);
  inFocusIn_ = false;
  MakeCurrentTheSelected(list);
  return true;
}

}  // namespace bs::gui
