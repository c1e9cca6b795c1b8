#include "gui/platform/ErrorGuard.h"

#include "core/platform/Dialogs.h"
#include "core/platform/Errors.h"

namespace bs::gui {

void ShowCurrentError() {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    bs::TheDialogs().ShowMessage("Out of memory");
  } catch (const std::exception& e) {
    bs::TheDialogs().ShowMessage(bs::VisibleText(e.what()));
  } catch (...) {
    bs::TheDialogs().ShowMessage("Unexpected error");
  }
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ShowCurrentError();
    return false;
  }
}

}  // namespace bs::gui
