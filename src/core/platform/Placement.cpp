#include "core/platform/Placement.h"

#include <cstdio>

namespace bs {

std::string MonitorProfile(const std::vector<Monitor>& monitors) {
  if (monitors.empty()) return {};
  const int number = static_cast<int>(monitors.size()) - 1;
  const Monitor& m = monitors.back();
  char buf[160];
  std::snprintf(buf, sizeof buf, "%d  %d  %d%d=%dDPI(%s,%d,%d,%d,%d)", number, m.left, m.top,
                number, m.top, m.primary ? "True" : "False", m.left, m.top, m.width, m.height);
  return buf;
}

FirstRunScale FirstRunSizing(int workAreaHeight, int formHeight) {
  FirstRunScale s;
  s.defSizeA = workAreaHeight / 5;
  s.defSizeB = formHeight / 4;
  return s;
}

std::string IniPathForExecutable(const std::string& executablePath) {
  const auto slash = executablePath.find_last_of('/');
  const auto dot = executablePath.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? executablePath.substr(0, dot) : executablePath) + ".ini";
}

}  // namespace bs
