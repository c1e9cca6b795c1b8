#include "core/platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/platform/Errors.h"

namespace bs {

namespace {

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
  const std::string bytes = Utf8ToCp1252(utf8Text);
  std::string tmpl = path + ".XXXXXX";
  const int fd = ::mkstemp(tmpl.data());
  if (fd < 0) ThrowInOut(errno);
  try {
    WriteAll(fd, bytes);
    if (::fsync(fd) != 0) ThrowInOut(errno);
    ::fchmod(fd, 0644);
    if (::close(fd) != 0) {
      const int err = errno;
      ::unlink(tmpl.c_str());
      ThrowInOut(err);
    }
  } catch (...) {
    ::close(fd);
    ::unlink(tmpl.c_str());
    throw;
  }
  if (::rename(tmpl.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(tmpl.c_str());
    ThrowInOut(err);
  }
}

TextFileReader::TextFileReader(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) ThrowInOut(errno ? errno : ENOENT);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) ThrowInOut(EIO);
  data_ = buffer.str();
}

bool TextFileReader::AtEnd() const {
  return pos_ >= data_.size();
}

std::string TextFileReader::ReadLine() {
  if (AtEnd()) ThrowReadBeyondEnd();
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
