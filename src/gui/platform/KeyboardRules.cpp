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

// When the list holds a selected entry, that entry becomes its current one, so the arrow keys
// move on from the chosen coax rather than from an entry the list picked by itself.
void MakeTheSelectedCurrent(QAbstractItemView* list) {
  QItemSelectionModel* selection = list->selectionModel();
  if (!selection) return;
  const QModelIndexList selected = selection->selectedIndexes();
  if (!selected.isEmpty())
    selection->setCurrentIndex(selected.first(), QItemSelectionModel::NoUpdate);
}

// With nothing selected, the first Up or Down chooses the entry the list shows as current (the
// first one) instead of skipping past it, and Home chooses the first entry even when it is
// already the current one.
bool ChooseTheCurrentEntry(QAbstractItemView* list, int key) {
  QItemSelectionModel* selection = list->selectionModel();
  if (!selection || selection->hasSelection() || !list->model()) return false;
  QModelIndex chosen;
  if (key == Qt::Key_Down || key == Qt::Key_Up) chosen = selection->currentIndex();
  if (key == Qt::Key_Home) chosen = list->model()->index(0, 0, list->rootIndex());
  if (!chosen.isValid()) return false;
  selection->setCurrentIndex(chosen, QItemSelectionModel::ClearAndSelect);
  return true;
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
  if (event->type() == QEvent::KeyPress && watched != parent()) {
    auto* list = qobject_cast<QAbstractItemView*>(watched);
    return list && ChooseTheCurrentEntry(list, static_cast<QKeyEvent*>(event)->key());
  }
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
  MakeTheSelectedCurrent(list);
  return true;
}

}  // namespace bs::gui
