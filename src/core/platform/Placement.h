#pragma once
// Window placement rules of the main window: the ini section name of a monitor layout and the
// first-run sizing.
#include <string>
#include <vector>

namespace bs {

struct Monitor {
  int left = 0, top = 0, width = 0, height = 0;
  bool primary = false;
};

// The section name describes the last monitor of the list (its number, edges, primary flag and
// size); the second place of the format carries the top edge. Empty with no monitor.
std::string MonitorProfile(const std::vector<Monitor>& monitors);

// First run: the main window is scaled by DefSizeA / DefSizeB, about four fifths of the work
// area high.
struct FirstRunScale {
  int defSizeA = 1;
  int defSizeB = 1;
};
FirstRunScale FirstRunSizing(int workAreaHeight, int formHeight);

// The placement file is the executable's path with ".ini" in place of any extension.
std::string IniPathForExecutable(const std::string& executablePath);

}  // namespace bs
