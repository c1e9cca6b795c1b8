#pragma once
// The base form of every main screen: the main menu (File, Task, Help), the olive background,
// the program-name label at the top, the version footer and the form-resizing component. Its
// menu handlers are overridable, so a screen can supply its own Manual, Recover data, About or
// activation behaviour under the same name.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "gui/app/Manual.h"
#include "gui/app/Screens.h"
#include "gui/platform/ResizeKit.h"
#include "gui/platform/WidgetKit.h"

namespace bs::gui {

inline constexpr int kDesignWidth = 1245;
inline constexpr int kDesignHeight = 929;

// The version line shown in the footer and in the About box.
QString VersionText();
// Places a dialog in the middle of the work area of the screen it opens on, rather than over
// the window that owns it.
void CentreOnScreen(QWidget* dialog);

class TYagibaseform : public QDialog {
  Q_OBJECT
 public:
  explicit TYagibaseform(QWidget* owner);

  // The area of 1245 by 929 design pixels on which the controls are placed.
  QWidget* Client() const { return client_; }

  QMenuBar* MainMenu1;
  QMenu* File1;
  QAction* Save1;
  QAction* SaveAs1;
  QAction* N1;
  QAction* Exit1;
  QMenu* Task;
  QAction* Design_yagi;
  QAction* Gain_calc;
  QAction* Stacking_calc;
  QAction* YO_calc;
  QAction* SWR1;
  QAction* Impedance1;
  QMenu* Help1;
  QAction* ContentsHTML1;
  QAction* About1;
  QLabel* Label1;
  QLabel* Label2;
  ResizeKit* ResizeKit1;

  virtual void Save_Data();
  virtual void Recoverdata();
  virtual void Shutdown();
  virtual void Design_yagiClick();
  virtual void Gain_calcClick();
  virtual void Stacking_calcClick();
  virtual void YO_calcClick();
  virtual void SWR1Click();
  virtual void Impedance1Click();
  virtual void ContentsHTML1Click();
  virtual void About1Click();
  virtual void FormActivate();
  void EnableShowDesign();
  // Help, Manual: runs ContentsHTML1Click as one Manual command (gui/app/Manual.h).
  void RunManualCommand();

  // Opens a screen modally at the main window's size and destroys it when it closes.
  void ModalScreen(ScreenId id);

  // Hides and disables a menu item or a whole menu.
  static void HideItem(QAction* item);

 protected:
  // Records the design geometry of the screen's controls; the last step of every screen's
  // construction.
  void FinishLayout();
  // Runs when the screen closes in any way (Back, the close box); the hook for SaveValues.
  // Escape closes no screen, and Enter presses no button but a focused one (KeyboardRules).
  virtual void FormClose() {}
  void done(int result) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenu();
  void BuildLabels();
  void BindMenu();
  void UpdateTaskItems();

  QWidget* client_;
};

}  // namespace bs::gui
