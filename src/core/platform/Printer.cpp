#include "core/platform/Printer.h"

namespace bs {

namespace {

// Used where no printer is installed: prints nothing.
class NullPrinter final : public Printer {
 public:
  void BeginText(int) override {}
  void WriteLine(const std::string&) override {}
  void EndText() override {}
  void SetTitle(const std::string&) override {}
  void BeginDoc() override {}
  int PageWidth() override { return 0; }
  void SetFontSize(int) override {}
  void TextOut(int, int, const std::string&) override {}
  void StretchDraw(const Rect&, const Picture&) override {}
  void EndDoc() override {}
};

NullPrinter g_null;
Printer* g_installed = nullptr;

}  // namespace

Printer& ThePrinter() {
  return g_installed ? *g_installed : g_null;
}
void InstallPrinter(Printer* printer) {
  g_installed = printer;
}

}  // namespace bs
