#include "core/platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <random>
#include <utility>

#include "core/platform/Errors.h"

namespace bs {

namespace {

InOutError NotARegularFile(const std::string& path) {
  return InOutError("'" + PathForMessage(path) + "' is not a file", kNotARegularFile);
}

// Unicode code points of the Windows-1252 bytes 0x80 to 0x9F (0 where the byte is undefined).
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t DecodeUtf8(const std::string& s, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = byte(i);
  int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
  char32_t cp = extra == 3 ? c & 0x07 : extra == 2 ? c & 0x0F : extra == 1 ? c & 0x1F : c;
  if (c >= 0x80 && extra == 0) {
    ++i;
    return U'?';
  }
  ++i;
  for (; extra > 0; --extra) {
    if (i >= s.size() || (byte(i) & 0xC0) != 0x80) return U'?';
    cp = (cp << 6) | (byte(i++) & 0x3F);
  }
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char EncodeCp1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t k = 0; k < kHighControls.size(); ++k)
    if (kHighControls[k] == cp && cp != 0) return static_cast<char>(0x80 + k);
  return '?';
}

// Closes a descriptor once, when its owner goes out of scope, unless it was closed on purpose.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now and reports the result; the destructor then has nothing to do.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

void WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowInOut(errno);
    }
    done += static_cast<std::size_t>(n);
  }
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path finally names: symbolic links followed, also when the last one points to a
// file that does not exist yet.
std::string FollowLinks(std::string path) {
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string target(PATH_MAX, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0) ThrowInOut(errno);
    target.resize(static_cast<std::size_t>(n));
    path = target.front() == '/' ? target : FolderOf(path) + "/" + target;
  }
  ThrowInOut(ELOOP);
}

// What the new file takes over from the file it replaces.
struct Replaced {
  bool exists = false;
  struct stat st {};
};

// Refuses a target that is not a regular file or that the user may not write; the target
// stays as it is.
Replaced CheckTarget(const std::string& target) {
  Replaced old;
  if (::lstat(target.c_str(), &old.st) != 0) {
    if (errno != ENOENT) ThrowInOut(errno);
    return old;
  }
  old.exists = true;
  if (!S_ISREG(old.st.st_mode)) ThrowInOut(EACCES);
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) ThrowInOut(errno);
  return old;
}

// A new empty file beside the target, hidden, created with mode 0666 so that the user's umask
// applies to it.
std::pair<int, std::string> CreateTemporary(const std::string& target) {
  static std::mt19937 random{std::random_device{}()};
  const std::string stem = FolderOf(target) + "/." + NameOf(target) + ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = stem + std::to_string(random() % 1000000) + ".tmp";
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return {fd, name};
    if (errno != EEXIST) ThrowInOut(errno);
  }
  ThrowInOut(EEXIST);
}

// Owner, group and mode of the replaced file; the owner only where the user may give it.
void TakeOver(int fd, const Replaced& old) {
  if (!old.exists) return;
  if (::fchown(fd, old.st.st_uid, old.st.st_gid) != 0) {
    [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st.st_gid);
  }
  if (::fchmod(fd, old.st.st_mode & 07777) != 0) ThrowInOut(errno);
}

// The rename is on disk once the folder is flushed; a folder that cannot be flushed is no
// reason to report the save as failed.
void FlushFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Content, flush and close of the temporary file; the close reports its result once.
void FillTemporary(Descriptor& file, const std::string& bytes, const Replaced& old) {
  WriteAll(file.Get(), bytes);
  TakeOver(file.Get(), old);
  if (::fsync(file.Get()) != 0) ThrowInOut(errno);
  if (file.Close() != 0) ThrowInOut(errno);
}

// A regular file opened for reading without waiting on it; anything else is refused unopened.
int OpenRegularFile(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) ThrowInOut(errno);
  if (!S_ISREG(st.st_mode)) throw NotARegularFile(path);
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) ThrowInOut(errno);
  return fd;
}

std::string SizeText(std::size_t bytes) {
  if (bytes >= kMegabyte && bytes % kMegabyte == 0)
    return std::to_string(bytes / kMegabyte) + " MB";
  if (bytes >= kKilobyte && bytes % kKilobyte == 0)
    return std::to_string(bytes / kKilobyte) + " KB";
  return std::to_string(bytes) + " bytes";
}

InOutError TooLarge(const std::string& path, std::size_t maxBytes) {
  return InOutError("'" + PathForMessage(path) + "' is too large (over " + SizeText(maxBytes) + ")",
                    kFileTooLarge);
}

}  // namespace

std::string Utf8ToCp1252(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) out += EncodeCp1252(DecodeUtf8(utf8, i));
  return out;
}

std::string Cp1252ToUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    char32_t cp = c;
    if (c >= 0x80 && c <= 0x9F) cp = kHighControls[c - 0x80] ? kHighControls[c - 0x80] : c;
    AppendUtf8(out, cp);
  }
  return out;
}

void WriteTextFile(const std::string& path, const std::string& utf8Text) {
  WriteFileBytes(path, Utf8ToCp1252(utf8Text));
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  const std::string target = FollowLinks(path);
  const Replaced old = CheckTarget(target);
  const auto [fd, temporary] = CreateTemporary(target);
  Descriptor file(fd);
  try {
    FillTemporary(file, bytes, old);
    if (::rename(temporary.c_str(), target.c_str()) != 0) ThrowInOut(errno);
  } catch (...) {
    ::unlink(temporary.c_str());
    throw;
  }
  FlushFolder(FolderOf(target));
}

std::string ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  Descriptor file(OpenRegularFile(path));
  struct stat st {};
  if (::fstat(file.Get(), &st) != 0) ThrowInOut(errno);
  if (!S_ISREG(st.st_mode)) throw NotARegularFile(path);
  if (static_cast<std::size_t>(st.st_size) > maxBytes) throw TooLarge(path, maxBytes);
  std::string bytes(static_cast<std::size_t>(st.st_size) + 1, '\0');
  std::size_t done = 0;
  // One byte more than the file held when it was opened tells that it grew meanwhile.
  while (done < bytes.size()) {
    const ssize_t n = ::read(file.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowInOut(errno);
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
    if (done > maxBytes) throw TooLarge(path, maxBytes);
    if (done == bytes.size()) bytes.resize(std::min(bytes.size() * 2, maxBytes + 1), '\0');
  }
  bytes.resize(done);
  return bytes;
}

bool RegularFileReadable(const std::string& path) {
  if (path.empty()) return false;
  try {
    Descriptor file(OpenRegularFile(path));
    return file.Close() == 0;
  } catch (const Error&) {
    return false;
  }
}

TextFileReader::TextFileReader(const std::string& path, std::size_t maxBytes)
    : data_(ReadFileBytes(path, maxBytes)) {}

TextFileReader TextFileReader::FromBytes(std::string bytes) {
  TextFileReader reader;
  reader.data_ = std::move(bytes);
  return reader;
}

bool TextFileReader::AtEnd() const {
  return pos_ >= data_.size();
}

std::string TextFileReader::ReadLine() {
  if (AtEnd()) ThrowReadBeyondEnd();
  ++line_;
  const auto end = data_.find_first_of("\r\n", pos_);
  std::string line;
  if (end == std::string::npos) {
    line = data_.substr(pos_);
    pos_ = data_.size();
  } else {
    line = data_.substr(pos_, end - pos_);
    pos_ = end + 1;
    if (data_[end] == '\r' && pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
  }
  return Cp1252ToUtf8(line);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

bool DirectoryExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_directory(path, ec);
}

void ForceDirectory(const std::string& path) {
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  if (ec) ThrowInOut(ec.value());
}

std::string CurrentDir() {
  std::error_code ec;
  const auto dir = std::filesystem::current_path(ec);
  return ec ? std::string() : dir.string();
}

void SetCurrentDir(const std::string& path) {
  if (::chdir(path.c_str()) != 0) ThrowInOut(errno);
}

std::string JoinPath(const std::string& dir, const std::string& backslashName) {
  std::string name = backslashName;
  for (char& c : name)
    if (c == '\\') c = '/';
  while (!name.empty() && name.front() == '/') name.erase(0, 1);
  if (dir.empty()) return name;
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

}  // namespace bs
