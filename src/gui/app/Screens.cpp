#include "gui/app/Screens.h"

#include <map>

namespace bs::gui {

namespace {
std::map<ScreenId, ScreenFactory>& Registry() {
  static std::map<ScreenId, ScreenFactory> registry;
  return registry;
}
QWidget* g_mainWindow = nullptr;
QSize g_mainFrame;
}  // namespace

void SetMainWindow(QWidget* window) {
  g_mainWindow = window;
}
QWidget* MainWindow() {
  return g_mainWindow;
}
void SetMainFrame(QSize frame) {
  g_mainFrame = frame;
}
QSize MainFrame() {
  return g_mainFrame;
}

void RegisterScreen(ScreenId id, ScreenFactory factory) {
  Registry()[id] = std::move(factory);
}

bool HasScreen(ScreenId id) {
  return Registry().count(id) != 0;
}

QDialog* CreateScreen(ScreenId id, QWidget* owner) {
  const auto it = Registry().find(id);
  return it == Registry().end() ? nullptr : it->second(owner);
}

}  // namespace bs::gui
