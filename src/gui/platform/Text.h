#pragma once
// The one place where core texts (UTF-8 std::string) and screen texts (QString) meet.
#include <QString>
#include <string>

namespace bs::gui {

inline QString ToQ(const std::string& s) {
  return QString::fromStdString(s);
}
inline std::string FromQ(const QString& s) {
  return s.toStdString();
}

}  // namespace bs::gui
