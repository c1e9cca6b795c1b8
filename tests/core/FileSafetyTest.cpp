// The one writer and the one reader under hostile conditions: permissions, links, FIFOs, folders,
// devices and huge files, as an ordinary user.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "core/platform/Errors.h"
#include "core/platform/TextFile.h"
#include "core/state/SaveInfo.h"
#include "support/ScriptedDialogs.h"
#include "support/TextFiles.h"
#include "support/Unprivileged.h"

namespace fs = std::filesystem;
using testing_support::ReadBytes;

namespace {

fs::path FreshDir(const std::string& name) {
  return testing_support::FreshTempDir("safety_" + name);
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

mode_t ModeOf(const fs::path& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

// The message of the writer's refusal, or "" when it wrote.
std::string WriteRefusal(const fs::path& path, const std::string& text) {
  try {
    bs::WriteTextFile(path.string(), text);
    return "";
  } catch (const bs::Error& e) {
    return e.what();
  }
}

// Collects the faults a check found, one per line.
struct Faults {
  std::string text;
  void Expect(bool holds, const std::string& what) {
    if (!holds) text += what + "\n";
  }
};

std::size_t EntriesIn(const fs::path& dir) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

std::string CheckWriterRules(const fs::path& dir, bool othersFileExists) {
  Faults f;
  const fs::path readOnly = dir / "Zuzo.cnf";
  WriteBytes(readOnly, "old");
  fs::permissions(readOnly, static_cast<fs::perms>(0444));
  f.Expect(WriteRefusal(readOnly, "new") == "File access denied", "read-only file not refused");
  f.Expect(ReadBytes(readOnly) == "old" && ModeOf(readOnly) == 0444, "read-only file changed");

  if (othersFileExists) {
    const fs::path others = dir / "others.cnf";
    f.Expect(WriteRefusal(others, "new") == "File access denied", "other's file not refused");
    f.Expect(ReadBytes(others) == "theirs", "other's file changed");
  }

  const fs::path kept = dir / "kept.ini";
  WriteBytes(kept, "old");
  fs::permissions(kept, static_cast<fs::perms>(0604));
  f.Expect(WriteRefusal(kept, "new").empty(), "writable file refused");
  f.Expect(ReadBytes(kept) == "new" && ModeOf(kept) == 0604, "mode of the old file not kept");

  const mode_t oldMask = ::umask(027);
  f.Expect(WriteRefusal(dir / "fresh.yag", "x").empty(), "new file refused");
  ::umask(oldMask);
  f.Expect(ModeOf(dir / "fresh.yag") == 0640, "new file ignores the umask");

  fs::create_directories(dir / "real");
  WriteBytes(dir / "real" / "target.cnf", "old");
  fs::create_symlink("real/target.cnf", dir / "link.cnf");
  f.Expect(WriteRefusal(dir / "link.cnf", "through").empty(), "link refused");
  f.Expect(fs::is_symlink(dir / "link.cnf"), "link replaced by a plain file");
  f.Expect(ReadBytes(dir / "real" / "target.cnf") == "through", "link target not written");
  fs::create_symlink("real/new.maa", dir / "dangling.maa");
  f.Expect(WriteRefusal(dir / "dangling.maa", "made").empty(), "dangling link refused");
  f.Expect(ReadBytes(dir / "real" / "new.maa") == "made", "dangling link target not made");

  fs::create_directories(dir / "folder.cnf");
  f.Expect(WriteRefusal(dir / "folder.cnf", "x") == "File access denied", "folder not refused");
  f.Expect(fs::is_directory(dir / "folder.cnf"), "folder replaced");

  const fs::path locked = dir / "locked";
  fs::create_directories(locked);
  WriteBytes(locked / "Zuzo.cnf", "old");
  fs::permissions(locked, static_cast<fs::perms>(0555));
  f.Expect(WriteRefusal(locked / "Zuzo.cnf", "new") == "File access denied",
           "file in a read-only folder not refused");
  f.Expect(ReadBytes(locked / "Zuzo.cnf") == "old" && EntriesIn(locked) == 1,
           "read-only folder changed");
  fs::permissions(locked, static_cast<fs::perms>(0755));
  return f.text;
}

TEST(AtomicWriter, PermissionsLinksAndModesAsAnOrdinaryUser) {
  const fs::path dir = FreshDir("writer");
  fs::permissions(dir, fs::perms::all);
  const bool root = ::geteuid() == 0;
  if (root) WriteBytes(dir / "others.cnf", "theirs");  // owned by root, mode 0644
  const auto result = testing_support::RunUnprivileged([&] { return CheckWriterRules(dir, root); });
  fs::remove_all(dir);
  if (!result) GTEST_SKIP() << "cannot run as an ordinary user here";
  EXPECT_EQ(*result, "");
}

TEST(AtomicWriter, NoTemporaryFileStaysAfterAFailedWrite) {
  const fs::path dir = FreshDir("full");
  // A folder in place of the file makes the rename fail after the temporary file is complete.
  EXPECT_THROW(bs::WriteFileBytes((dir / "x").string() + "/", "data"), bs::InOutError);
  EXPECT_EQ(EntriesIn(dir), 0u);
  fs::remove_all(dir);
}

// Readers: a FIFO, folder or device under the data file's name is no data file; a huge file is
// refused with a clear message; in both cases nothing changes and nothing blocks.
class ReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    oldDir_ = fs::current_path();
    dir_ = FreshDir("reader");
    fs::current_path(dir_);
    bs::YagiVar::StartUp(state_);
    bs::SaveInfo::CaptureProgramDir(state_);
  }
  void TearDown() override {
    fs::current_path(oldDir_);
    fs::remove_all(dir_);
  }
  // What Recover data shows, and whether any text changed.
  std::string Recover() {
    const bs::YagiVar::State before = state_;
    std::string shown;
    try {
      bs::SaveInfo::RecoverDataFile(state_);
    } catch (const bs::Error& e) {
      shown = std::string("error: ") + e.what();
    }
    for (const auto& event : dialogs_.events)
      if (event.rfind("message: ", 0) == 0) shown += event.substr(9);
    if (state_.DesignFreqText != before.DesignFreqText || state_.YOText != before.YOText)
      shown += " (texts changed)";
    return shown;
  }

  fs::path oldDir_, dir_;
  bs::YagiVar::State state_;
  testing_support::ScriptedDialogs dialogs_;
};

TEST_F(ReaderTest, SpecialFilesAreNoDataFileAndAHugeFileIsRefused) {
  const auto makeFifo = [] { ASSERT_EQ(::mkfifo("Zuzo.cnf", 0644), 0); };
  const auto makeFolder = [] { fs::create_directory("Zuzo.cnf"); };
  const auto makeDevice = [] { fs::create_symlink("/dev/zero", "Zuzo.cnf"); };
  const auto makeHuge = [] {
    WriteBytes("Zuzo.cnf", "");
    fs::resize_file("Zuzo.cnf", 100 * bs::kMegabyte);  // sparse
  };
  const struct {
    const char* what;
    std::function<void()> make;
    std::string shown;
  } cases[] = {
      {"FIFO", makeFifo, "No data file found"},
      {"folder", makeFolder, "No data file found"},
      {"device", makeDevice, "No data file found"},
      {"100 MB file", makeHuge, "error: 'Zuzo.cnf' is too large (over 1 MB)"},
  };
  for (const auto& c : cases) {
    fs::remove_all("Zuzo.cnf");
    c.make();
    dialogs_.events.clear();
    EXPECT_EQ(Recover(), c.shown) << c.what;
    EXPECT_THROW(bs::ReadFileBytes("Zuzo.cnf", bs::kMegabyte), bs::InOutError) << c.what;
  }
}

TEST_F(ReaderTest, AFileThatGrowsPastTheBoundIsRefused) {
  WriteBytes("small.txt", std::string(100, 'x'));
  EXPECT_EQ(bs::ReadFileBytes("small.txt", 100).size(), 100u);
  try {
    bs::ReadFileBytes("small.txt", 99);
    FAIL();
  } catch (const bs::InOutError& e) {
    EXPECT_STREQ(e.what(), "'small.txt' is too large (over 99 bytes)");
  }
}

}  // namespace
