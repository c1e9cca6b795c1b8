// The export screens for the screenshot tool: the YO screen with a typed Zuzo, its conversion
// dialog, and the MMANA-GAL screen on the element table of the last design.
#include "core/state/YagiVar.h"
#include "gui/export/Converter.h"
#include "gui/export/MmanaFile.h"
#include "gui/export/YOdetails.h"
#include "tools/ScreenshotHooks.h"

namespace bs::gui {

namespace {

void TypeExampleZuzo() {
  auto& t = bs::YagiVar::Global().YOText;
  const std::pair<int, const char*> boxes[] = {
      {38, "25"},    {39, "1016"}, {2, "416"},   {3, "980"},  {1, "10"},    {4, "7"},
      {37, "144.1"}, {5, "927"},   {6, "572"},   {7, "918"},  {8, "947"},   {9, "909"},
      {10, "1394"},  {11, "901"},  {12, "1914"}, {13, "894"}, {14, "2497"}, {15, "887"},
      {16, "3121"},  {17, "881"},  {18, "3776"}, {19, "875"}, {20, "4463"}};
  for (const auto& [box, text] : boxes) t[box] = text;
}

}  // namespace

void SaveExportScreenshots(QWidget& mainWindow, QWidget& results, const QDir& dir,
                           const SaveShot& save) {
  TYagibaseform6 mmana(&results);
  mmana.resize(mainWindow.size());
  save(mmana, dir, "08-mmana-gal");
  mmana.hide();
  TypeExampleZuzo();
  TYagibaseform5 yo(&mainWindow);
  yo.resize(mainWindow.size());
  save(yo, dir, "07-yo-file");
  TConvertYagi convert(&yo);
  save(convert, dir, "09-convert");
  convert.hide();
  yo.hide();
}

}  // namespace bs::gui
