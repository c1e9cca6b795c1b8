// Renders the two stacking pictures that ship with the program, "vertical.bmp" and
// "horizontal.bmp", from their drawings into the folder given (data/ of the source tree).
#include <QApplication>
#include <QDir>
#include <QImage>
#include <cstdio>

#include "gui/calculators/StackingPictures.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QDir dir(argc > 1 ? argv[1] : "data");
  constexpr int kSide = 320;
  const struct {
    const bs::gui::Drawing& drawing;
    const char* file;
  } pictures[] = {{bs::gui::VerticalStackingPicture(), "vertical.bmp"},
                  {bs::gui::HorizontalStackingPicture(), "horizontal.bmp"}};
  for (const auto& picture : pictures) {
    const QImage image =
        picture.drawing.Render(QSize(kSide, kSide)).convertToFormat(QImage::Format_RGB888);
    const QString path = dir.filePath(picture.file);
    if (!image.save(path, "BMP")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s\n", qPrintable(path));
  }
  return 0;
}
