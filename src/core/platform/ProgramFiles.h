#pragma once
// Where Beamsmith's files live. Read this before you open or write any file.
//
// Two kinds of file, two places:
//
// 1. Shipped, read-only files: Coax.dta, the pictures, the manual. They come with the program
//    and are never written. Find them with ShippedFile("Coax.dta") (sub-folders with '/' or
//    '\': ShippedFile("manual/index.html")). The lookup tries the folder of the executable
//    first (the build tree build/bin, a portable copy) and then the installed data folder
//    <prefix>/share/beamsmith, which is found relative to the executable (../share/beamsmith),
//    so any installation prefix works. Never look for shipped files under ProgramDir or the
//    working directory: in an installed program those are the user's documents.
//
// 2. The user's files: "Zuzo.cnf", "YOFiles", "MmanaFiles" (under ProgramDir or the working
//    directory, as each screen says) and the window-placement ini file (PlacementIniPath()).
//    ChooseUserFolders decides once at start-up where they go:
//    - portable (the executable's folder can be written and is not an installed bin/ folder,
//      as build/bin): ProgramDir is the working directory at start-up and the ini file lies
//      next to the executable, named after it;
//    - installed (the executable sits in an installed layout with ../share/beamsmith, or its
//      folder cannot be written): the program starts in the user's documents folder +
//      "/Beamsmith", which becomes ProgramDir, and the ini file lies in the user's configuration
//      folder for the program. An installed tree stays installed when its owner (or root) can
//      write to bin/: writing into /usr/bin would be wrong either way.
//    The start-up code of the desktop program gathers the facts (documents and configuration
//    folders come from the desktop) and enters the chosen folder before ProgramDir is captured.
#include <string>

namespace bs {

// The running program's path. Taken from the system when not set; the start-up code and the
// tests may set it (tests point it at a temporary folder).
void SetExecutablePath(const std::string& path);
std::string ExecutablePath();
std::string ExecutableDir();
// <prefix>/share/beamsmith for an executable in <prefix>/bin.
std::string InstalledDataDir(const std::string& executableDir);
// The path of a shipped read-only file: beside the executable when it is there, else in the
// installed data folder when it is there. When it is in neither, the path where it belongs
// (the installed data folder for an installed layout, else beside the executable), so that a
// message can name it.
std::string ShippedFile(const std::string& name);

// What start-up knows about the machine when it chooses the user's folders.
struct FolderFacts {
  std::string executablePath;
  bool executableDirWritable = true;
  bool installedLayout = false;  // ../share/beamsmith exists beside the executable's folder
  std::string workingDir;        // at start-up
  std::string documentsDir;      // the user's documents folder
  std::string configDir;         // the user's configuration folder (~/.config)
};

struct UserFolders {
  bool portable = true;
  // The folder to start in; it becomes ProgramDir. Empty: stay in the working directory.
  std::string startDir;
  // The window-placement ini file, read at start and written at close.
  std::string iniPath;
};

UserFolders ChooseUserFolders(const FolderFacts& facts);
// The facts this process can find itself (executable, its folder's rights, the layout); the
// desktop folders are left to the caller.
FolderFacts LocalFolderFacts();

// The placement ini file chosen at start-up; until then, the portable choice (next to the
// executable).
void SetPlacementIniPath(const std::string& path);
std::string PlacementIniPath();

}  // namespace bs
