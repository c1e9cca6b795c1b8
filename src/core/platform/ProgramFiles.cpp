#include "core/platform/ProgramFiles.h"

#include <unistd.h>

#include <filesystem>

#include "core/platform/Placement.h"
#include "core/platform/TextFile.h"

namespace bs {

namespace {

namespace fs = std::filesystem;

constexpr const char* kUserFolderName = "Beamsmith";
constexpr const char* kIniFileName = "Beamsmith.ini";

std::string& ExecutablePathSetting() {
  static std::string path;
  return path;
}

std::string& IniPathSetting() {
  static std::string path;
  return path;
}

std::string SystemExecutablePath() {
  std::error_code ec;
  const auto path = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : path.string();
}

bool WritableDirectory(const std::string& dir) {
  return !dir.empty() && ::access(dir.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

void SetExecutablePath(const std::string& path) {
  ExecutablePathSetting() = path;
}

std::string ExecutablePath() {
  if (ExecutablePathSetting().empty()) ExecutablePathSetting() = SystemExecutablePath();
  return ExecutablePathSetting();
}

std::string ExecutableDir() {
  return fs::path(ExecutablePath()).parent_path().string();
}

std::string InstalledDataDir(const std::string& executableDir) {
  return (fs::path(executableDir).parent_path() / "share" / "beamsmith").string();
}

std::string ShippedFile(const std::string& name) {
  const std::string beside = JoinPath(ExecutableDir(), name);
  if (FileExists(beside) || DirectoryExists(beside)) return beside;
  const std::string dataDir = InstalledDataDir(ExecutableDir());
  const std::string installed = JoinPath(dataDir, name);
  if (FileExists(installed) || DirectoryExists(installed)) return installed;
  return DirectoryExists(dataDir) ? installed : beside;
}

UserFolders ChooseUserFolders(const FolderFacts& facts) {
  UserFolders folders;
  folders.portable = facts.executableDirWritable && !facts.installedLayout;
  if (folders.portable) {
    folders.iniPath = IniPathForExecutable(facts.executablePath);
    return folders;
  }
  // Without a documents folder the home folder's parent cannot be guessed: stay where we are.
  if (!facts.documentsDir.empty()) folders.startDir = JoinPath(facts.documentsDir, kUserFolderName);
  const std::string configDir = facts.configDir.empty() ? facts.workingDir : facts.configDir;
  folders.iniPath = JoinPath(JoinPath(configDir, kUserFolderName), kIniFileName);
  return folders;
}

FolderFacts LocalFolderFacts() {
  FolderFacts facts;
  facts.executablePath = ExecutablePath();
  const std::string dir = ExecutableDir();
  facts.executableDirWritable = WritableDirectory(dir);
  facts.installedLayout = DirectoryExists(InstalledDataDir(dir));
  facts.workingDir = CurrentDir();
  return facts;
}

void SetPlacementIniPath(const std::string& path) {
  IniPathSetting() = path;
}

std::string PlacementIniPath() {
  if (IniPathSetting().empty()) return IniPathForExecutable(ExecutablePath());
  return IniPathSetting();
}

}  // namespace bs
