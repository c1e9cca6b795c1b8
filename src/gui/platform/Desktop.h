#pragma once
// What the desktop adds at start-up: the user's folders for an installed program (see
// core/platform/ProgramFiles.h) and the look-alike fonts for the families the screens ask for.
#include <string>

namespace bs::gui {

// Chooses the user's folders (portable or installed), creates them and, for an installed
// program, makes the user's documents folder + "/Beamsmith" the working directory, so that the
// program directory captured next is that folder. Sets the placement ini path. Runs before the
// program directory is captured. Returns a message for the user when a folder could not be
// made (the program then stays in its working directory), else an empty text.
std::string SettleUserFolders();

// "Comic Sans MS", "Arial" and "MS Sans Serif" are Windows fonts; a Linux desktop gets Comic
// Neue and Liberation Sans (same widths as Arial) in their place.
void InstallFontSubstitutes();

}  // namespace bs::gui
