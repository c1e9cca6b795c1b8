#pragma once
// A printer for tests that records every call as one line of text.
#include <string>
#include <vector>

#include "core/platform/Printer.h"

namespace testing_support {

class RecordingPrinter : public bs::Printer {
 public:
  RecordingPrinter() { bs::InstallPrinter(this); }
  ~RecordingPrinter() override { bs::InstallPrinter(nullptr); }

  std::vector<std::string> calls;
  std::vector<std::string> lines;  // the text stream's lines only
  int pageWidth = 4800;

  void BeginText(int pointSize) override { calls.push_back("text " + std::to_string(pointSize)); }
  void WriteLine(const std::string& line) override {
    calls.push_back("line " + line);
    lines.push_back(line);
  }
  void EndText() override { calls.push_back("end text"); }
  void SetTitle(const std::string& title) override { calls.push_back("title " + title); }
  void BeginDoc() override { calls.push_back("begin"); }
  int PageWidth() override { return pageWidth; }
  void SetFontSize(int size) override { calls.push_back("font " + std::to_string(size)); }
  void TextOut(int x, int y, const std::string& text) override {
    calls.push_back("text at " + std::to_string(x) + "," + std::to_string(y) + " " + text);
  }
  void StretchDraw(const bs::Rect& r, const bs::Picture& picture) override {
    calls.push_back("picture " + picture.Name() + " " + std::to_string(r.left) + "," +
                    std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                    std::to_string(r.bottom));
  }
  void EndDoc() override { calls.push_back("end"); }
};

}  // namespace testing_support
