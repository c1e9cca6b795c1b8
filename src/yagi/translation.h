#pragma once
// Qt's own texts in yagi (the Yes and No of the message boxes, the entry
// boxes' context menu) come from Qt's French translation, so the whole window
// speaks French.

class QCoreApplication;

namespace yagi {

// Installs Qt's French translation (qtbase_fr from Qt's translations folder)
// into the application; false when it is not installed, and the program then
// goes on with Qt's English texts.
bool installQtFrench(QCoreApplication& application);

}  // namespace yagi
