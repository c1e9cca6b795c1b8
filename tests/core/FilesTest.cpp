// Text files in Windows-1252 and the ini file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/platform/Errors.h"
#include "core/platform/IniFile.h"
#include "core/platform/TextFile.h"
#include "support/TextFiles.h"

namespace fs = std::filesystem;

namespace {

fs::path TempDir(const std::string& name) {
  return testing_support::FreshTempDir("files_" + name);
}

std::string ReadBytes(const fs::path& path) {
  return testing_support::ReadBytes(path.string());
}

TEST(TextFile, WritesWindows1252AndReadsItBack) {
  const auto dir = TempDir("cp");
  const auto path = (dir / "a.txt").string();
  bs::WriteTextFile(path, "Antenne \xC3\xA9l\xC3\xA9ment \xE2\x82\xAC 5\xC2\xB0\r\nsecond");
  EXPECT_EQ(ReadBytes(path), "Antenne \xE9l\xE9ment \x80 5\xB0\r\nsecond");
  bs::TextFileReader reader(path, bs::kMegabyte);
  EXPECT_EQ(reader.ReadLine(), "Antenne \xC3\xA9l\xC3\xA9ment \xE2\x82\xAC 5\xC2\xB0");
  EXPECT_EQ(reader.ReadLine(), "second");
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_THROW(reader.ReadLine(), bs::InOutError);
  EXPECT_EQ(fs::directory_iterator(dir) != fs::directory_iterator(), true);
  int files = 0;
  for (auto& entry : fs::directory_iterator(dir)) files += entry.is_regular_file();
  EXPECT_EQ(files, 1) << "no temporary file stays behind";
  fs::remove_all(dir);
}

TEST(TextFile, MissingFolderRaisesAnInOutError) {
  EXPECT_THROW(bs::WriteTextFile("/no/such/folder/x.txt", "x"), bs::InOutError);
  EXPECT_THROW(bs::TextFileReader("/no/such/folder/x.txt", bs::kMegabyte), bs::InOutError);
}

TEST(JoinPath, BackslashNamesGoUnderTheFolder) {
  EXPECT_EQ(bs::JoinPath("/opt/bs", "\\Help\\Zuzo.chm"), "/opt/bs/Help/Zuzo.chm");
  EXPECT_EQ(bs::JoinPath("/", "\\Zuzo.chm"), "/Zuzo.chm");
}

TEST(IniFile, KeysInOrderSectionNamesAsBuiltDefaultsWhenMissing) {
  const auto dir = TempDir("ini");
  const auto path = (dir / "Beamsmith.ini").string();
  const std::string section = "0  0  00=0DPI(True,0,0,1920,1080)";
  {
    bs::IniFile ini(path);
    ini.WriteInteger(section, "Top", 10);
    ini.WriteInteger(section, "Left", -20);
    ini.WriteInteger(section, "Height", 700);
    ini.UpdateFile();
  }
  EXPECT_EQ(ReadBytes(path), "[" + section + "]\r\nTop=10\r\nLeft=-20\r\nHeight=700\r\n");
  bs::IniFile ini(path);
  EXPECT_EQ(ini.ReadInteger(section, "Left", 100), -20);
  EXPECT_EQ(ini.ReadInteger(section, "Width", 640), 640);
  EXPECT_EQ(ini.ReadInteger("other", "Top", 100), 100);
  fs::remove_all(dir);
}

TEST(IniFile, UnwritableFileRaisesUnableToWrite) {
  bs::IniFile ini("/no/such/folder/Beamsmith.ini");
  ini.WriteInteger("s", "Top", 1);
  try {
    ini.UpdateFile();
    FAIL();
  } catch (const bs::Error& e) {
    EXPECT_STREQ(e.what(), "Unable to write to /no/such/folder/Beamsmith.ini");
  }
}

}  // namespace
