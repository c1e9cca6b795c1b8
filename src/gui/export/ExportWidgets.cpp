#include "gui/export/ExportWidgets.h"

#include <QApplication>

#include "core/export/YagFile.h"
#include "core/platform/Dialogs.h"
#include "core/state/YagiVar.h"

namespace bs::gui::exporting {

QFont PixelFont(int pixels, bool bold) {
  QFont font = QApplication::font();
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry, const QColor& color,
                  bool bold) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setFont(PixelFont(15, bold));
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
  return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& geometry) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setGeometry(geometry);
  edit->setFont(PixelFont(15));
  return edit;
}

QFrame* MakePanel(QWidget* parent, const char* name, const QRect& geometry) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(2);
  panel->setGeometry(geometry);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
  palette.setColor(QPalette::WindowText, Qt::black);
  panel->setPalette(palette);
  return panel;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setFont(PixelFont(16));
  button->setAutoDefault(false);
  return button;
}

RadioGroup* MakeGroup(QWidget* parent, const char* name, const QString& title,
                      const QStringList& items, const QRect& geometry) {
  auto* group = new RadioGroup(title, items, parent);
  group->setObjectName(name);
  group->setGeometry(geometry);
  group->setFont(PixelFont(15));
  group->SetColor(Qt::white);
  return group;
}

QComboBox* MakeList(QWidget* parent, const char* name, const QStringList& items,
                    const QRect& geometry) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  list->addItems(items);
  list->setGeometry(geometry);
  list->setFont(PixelFont(15));
  return list;
}

}  // namespace bs::gui::exporting

namespace bs::gui::exporting {

std::optional<std::string> AskForYagFile(const std::string& filter) {
  auto& dialogs = bs::TheDialogs();
  auto& state = bs::YagiVar::Global();
  dialogs.Beep();
  const auto description =
      dialogs.InputQuery("Zuzo description", "Describe yagi", state.YODescription);
  if (!description) return {};
  state.YODescription = *description;
  bs::FileDialogOptions options;
  options.title = "Save YO file";
  options.initialDir = bs::exporting::ExportStartFolder("YOFiles");
  options.defaultExt = "yag";
  options.filter = filter;
  options.fileName = "Untitled.yag";
  return dialogs.SaveFile(options);
}

}  // namespace bs::gui::exporting
