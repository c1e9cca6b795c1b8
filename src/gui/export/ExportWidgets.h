#pragma once
// Small builders for the controls of the export screens: labels, boxes, panels, buttons and
// lists at their design-size positions.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <optional>
#include <string>

#include "gui/platform/RadioGroup.h"

namespace bs::gui::exporting {

QFont PixelFont(int pixels, bool bold = false);
QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry, const QColor& color,
                  bool bold = false);
QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& geometry);
QFrame* MakePanel(QWidget* parent, const char* name, const QRect& geometry);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry);
RadioGroup* MakeGroup(QWidget* parent, const char* name, const QString& title,
                      const QStringList& items, const QRect& geometry);
// An editable list (typed text is accepted) with its items.
QComboBox* MakeList(QWidget* parent, const char* name, const QStringList& items,
                    const QRect& geometry);

}  // namespace bs::gui::exporting

namespace bs::gui::exporting {

// The questions before a .yag file is written: the default beep, the description (kept in
// YODescription) and the save dialog with the given filter. Nothing when the user cancels either.
std::optional<std::string> AskForYagFile(const std::string& filter);

}  // namespace bs::gui::exporting
