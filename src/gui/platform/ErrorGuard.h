#pragma once
// The application's top-level handler: every event handler of every screen runs through
// Guarded, which shows the message of any error in a message box and stops that action.
#include <QApplication>
#include <exception>
#include <utility>

namespace bs::gui {

// Shows the message of the error in flight; call from a catch block.
void ShowCurrentError();

template <typename F>
bool Guarded(F&& action) {
  try {
    std::forward<F>(action)();
    return true;
  } catch (...) {
    ShowCurrentError();
    return false;
  }
}

// Binds a handler so that it runs guarded: connect(button, &QPushButton::clicked, this,
// GuardedSlot(this, &Screen::Button1Click)).
template <typename Object, typename Method>
auto GuardedSlot(Object* object, Method method) {
  return [object, method] { Guarded([&] { (object->*method)(); }); };
}

// Catches anything that escapes an event handler, so that no input can end the program.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace bs::gui
