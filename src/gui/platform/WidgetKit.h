#pragma once
// The look of the screens in one place: the base colours, the fonts asked for by name and pixel
// size, and the few controls every screen is built from (sunken panel, label, box, button,
// radio group). A screen places rows of these at their design-size positions; the ResizeKit
// scales them with the window.
//
//   auto* panel = SunkenPanel(Client(), "Panel1", {826, 96, 380, 440}, Qt::white);
//   auto* label = MakeLabel(panel, "Label9", "Diameter of element (mm)", {18, 300, 222, 28},
//                           ControlFont(15), Qt::black);
//   auto* title = WhiteLabel(Client(), "Label3", "WELCOME", {0, 640, 1245, 40}, ComicSans(21),
//                            Qt::AlignCenter);
#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

#include "gui/platform/RadioGroup.h"

namespace bs::gui {

// ---- Colours ------------------------------------------------------------------------------------

// The olive background of every screen and box.
QColor Olive();
// The face colour of the buttons, behind the button panels.
QColor ButtonFace();

// Fills the widget's background with the colour.
void FillBackground(QWidget* widget, const QColor& color);
// Draws the widget's text (a label's, a panel's) in the colour.
void SetTextColor(QWidget* widget, const QColor& color);

// ---- Fonts --------------------------------------------------------------------------------------
// Families are asked for by their names; the desktop maps missing ones to look-alikes.

inline constexpr const char* kComicSans = "Comic Sans MS";
inline constexpr const char* kArial = "Arial";
inline constexpr const char* kMsSansSerif = "MS Sans Serif";

// The family at a pixel size.
QFont PixelFont(const char* family, int pixels, bool bold = false);
QFont ComicSans(int pixels);
QFont Arial(int pixels, bool bold = false);
// The application's own font at a pixel size: the controls of the entry screens.
QFont ControlFont(int pixels, bool bold = false);

// ---- Controls -----------------------------------------------------------------------------------

// A sunken panel (line width 2 unless told) filled with `fill`, or see-through without it.
QFrame* SunkenPanel(QWidget* parent, const char* name, const QRect& geometry,
                    std::optional<QColor> fill = std::nullopt, int lineWidth = 2);
// A label with its text in `color`.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  const QFont& font, const QColor& color,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// A white label on the olive ground: the titles and footers.
QLabel* WhiteLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                   const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& geometry, const QFont& font);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry, const QFont& font);
RadioGroup* MakeRadioGroup(QWidget* parent, const char* name, const QString& title,
                           const QStringList& items, const QRect& geometry, const QFont& font,
                           const QColor& color);

}  // namespace bs::gui
