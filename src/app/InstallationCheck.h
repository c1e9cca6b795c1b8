#pragma once
// "Beamsmith --check-installation [LEFT,TOP,WIDTH,HEIGHT]": a developer's and packager's check
// of an installed or portable Beamsmith, run by the test command on a freshly installed tree.
// It starts like the program, answers every question with OK, and prints where the program
// directory, the placement ini file, the shipped files and the manual are, what it saved and
// which messages it showed; then it places the main window at the given rectangle and closes it,
// which writes the placement as a user's close does.
#include <QString>

#include "gui/app/Opening.h"

namespace bs::app {

inline constexpr const char* kCheckInstallationOption = "--check-installation";

int RunInstallationCheck(bs::gui::TYagibaseform1& mainWindow, const QString& placeAt);

}  // namespace bs::app
