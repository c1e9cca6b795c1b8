#pragma once
// Which screens exist: each screen's folder registers a factory, and the base form's Task items
// open the registered screens (an item whose screen is not registered stays disabled).
#include <QDialog>
#include <functional>

namespace bs::gui {

enum class ScreenId { DesignYagi, Results, Gain, Stacking, YO, Mmana, SWR, Impedance };

using ScreenFactory = std::function<QDialog*(QWidget* owner)>;

void RegisterScreen(ScreenId id, ScreenFactory factory);
bool HasScreen(ScreenId id);
// A fresh instance owned by owner, or nullptr when the screen is not registered.
QDialog* CreateScreen(ScreenId id, QWidget* owner);

// The main window, whose size and frame every screen opened from a menu takes.
void SetMainWindow(QWidget* window);
QWidget* MainWindow();
// The main window's frame (outer size less inner size) at the moment its outer size was stored
// in MainWidth and MainHeight. A window manager may add the frame only after the first resize,
// so the frame of that moment, not of a later one, turns the stored size back into the inner
// size and counts the frame exactly once.
void SetMainFrame(QSize frame);
QSize MainFrame();

// Registers every screen of the program; called once at start-up (and by the screen tests).
void RegisterAllScreens();

}  // namespace bs::gui
