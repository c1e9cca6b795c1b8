#pragma once
// The printer, as a text stream and as a canvas.
#include <string>

namespace bs {

// A picture that a screen hands to the printer canvas; the Qt side knows how to draw it.
class Picture {
 public:
  virtual ~Picture() = default;
  virtual std::string Name() const = 0;
};

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

class Printer {
 public:
  virtual ~Printer() = default;

  // Text stream: lines one font height apart from the left margin, tab stops every eight
  // average character widths of the printer font (measured, not counted in characters), a new
  // page when the next line does not fit or at a form feed, a too-wide line continuing on the
  // next at a space (a word or number is never split unless it is wider than the page).
  virtual void BeginText(int pointSize) = 0;
  virtual void WriteLine(const std::string& line) = 0;
  virtual void EndText() = 0;

  // The title of the next print job (text stream or canvas) only; a job without one carries
  // the program's name.
  virtual void SetTitle(const std::string& title) = 0;

  // Canvas.
  virtual void BeginDoc() = 0;
  virtual int PageWidth() = 0;  // device pixels
  virtual void SetFontSize(int pointSize) = 0;
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  virtual void StretchDraw(const Rect& rect, const Picture& picture) = 0;
  virtual void EndDoc() = 0;
};

Printer& ThePrinter();
void InstallPrinter(Printer* printer);

}  // namespace bs
