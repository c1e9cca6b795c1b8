// Where files live: shipped files beside the executable or in the installed data folder, and
// the portable or installed choice of the user's folders.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/platform/ProgramFiles.h"

namespace fs = std::filesystem;

namespace {

// A temporary prefix with bin/ and, when asked, share/beamsmith/; the executable path points
// into it for the test's length.
class ProgramFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("bs_programfiles_" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "bin");
    saved_ = bs::ExecutablePath();
    bs::SetExecutablePath((root_ / "bin" / "Beamsmith").string());
  }
  void TearDown() override {
    bs::SetExecutablePath(saved_);
    fs::remove_all(root_);
  }
  void Touch(const fs::path& path) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
  }

  fs::path root_;
  std::string saved_;
};

TEST_F(ProgramFilesTest, ShippedFilesBesideTheExecutableComeFirst) {
  Touch(root_ / "bin" / "Coax.dta");
  Touch(root_ / "share" / "beamsmith" / "Coax.dta");
  EXPECT_EQ(bs::ShippedFile("Coax.dta"), (root_ / "bin" / "Coax.dta").string());
}

TEST_F(ProgramFilesTest, InstalledShippedFilesAreFoundFromTheExecutable) {
  Touch(root_ / "share" / "beamsmith" / "manual" / "index.html");
  EXPECT_EQ(bs::ShippedFile("manual/index.html"),
            (root_ / "share" / "beamsmith" / "manual" / "index.html").string());
  EXPECT_EQ(bs::ShippedFile("\\manual\\index.html"),
            (root_ / "share" / "beamsmith" / "manual" / "index.html").string());
  // a missing file is named where it belongs, so that a message can say so
  EXPECT_EQ(bs::ShippedFile("vertical.bmp"),
            (root_ / "share" / "beamsmith" / "vertical.bmp").string());
}

TEST_F(ProgramFilesTest, WithoutAnInstalledFolderAMissingFileBelongsBesideTheExecutable) {
  EXPECT_EQ(bs::ShippedFile("Coax.dta"), (root_ / "bin" / "Coax.dta").string());
}

TEST_F(ProgramFilesTest, TheLayoutIsSeenFromTheExecutable) {
  EXPECT_FALSE(bs::LocalFolderFacts().installedLayout);
  fs::create_directories(root_ / "share" / "beamsmith");
  EXPECT_TRUE(bs::LocalFolderFacts().installedLayout);
  EXPECT_EQ(bs::LocalFolderFacts().executablePath, (root_ / "bin" / "Beamsmith").string());
}

struct FolderCase {
  const char* name;
  bool writable;
  bool installed;
  bool portable;
  const char* startDir;
  const char* iniPath;
};

TEST(UserFolders, PortableOrInstalled) {
  const FolderCase cases[] = {
      {"build tree", true, false, true, "", "/src/build/bin/Beamsmith.ini"},
      {"read-only copy", false, false, false, "/home/ham/Documents/Beamsmith",
       "/home/ham/.config/Beamsmith/Beamsmith.ini"},
      {"installed, writable by its owner", true, true, false, "/home/ham/Documents/Beamsmith",
       "/home/ham/.config/Beamsmith/Beamsmith.ini"},
      {"installed system-wide", false, true, false, "/home/ham/Documents/Beamsmith",
       "/home/ham/.config/Beamsmith/Beamsmith.ini"},
  };
  for (const FolderCase& c : cases) {
    bs::FolderFacts facts;
    facts.executablePath = "/src/build/bin/Beamsmith";
    facts.executableDirWritable = c.writable;
    facts.installedLayout = c.installed;
    facts.workingDir = "/tmp";
    facts.documentsDir = "/home/ham/Documents";
    facts.configDir = "/home/ham/.config";
    const bs::UserFolders folders = bs::ChooseUserFolders(facts);
    EXPECT_EQ(folders.portable, c.portable) << c.name;
    EXPECT_EQ(folders.startDir, c.startDir) << c.name;
    EXPECT_EQ(folders.iniPath, c.iniPath) << c.name;
  }
}

}  // namespace
