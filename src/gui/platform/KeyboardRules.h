#pragma once
// The keyboard of a screen, the same on every screen: Enter in an entry box, list or group moves
// on to the next control as Tab does (so leaving a box runs its exit handler), a push button
// takes Enter only while it has the focus (no button is the window's default), Escape closes
// nothing, and a list's current entry is its selected one when the list gets the focus (with
// nothing selected the first arrow key chooses the entry shown as current instead of skipping
// it).
#include <QObject>

class QWidget;

namespace bs::gui {

class KeyboardRules : public QObject {
 public:
  // Applies the rules to the window and to every control it holds now; the rules live as long
  // as the window. Applying them twice changes nothing.
  static void Apply(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit KeyboardRules(QWidget* window);
  bool EnterOrEscape(QWidget* window, int key);
  bool ListFocusIn(QObject* list, QEvent* event);

  bool inFocusIn_ = false;
};

}  // namespace bs::gui
