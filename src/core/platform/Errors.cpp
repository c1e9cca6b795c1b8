#include "core/platform/Errors.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

namespace bs {

namespace {

std::string HexEscape(const char* format, unsigned value) {
  char buf[12];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

bool IsHiddenControl(char32_t cp) {
  return cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp <= 0x9F) || (cp >= 0x202A && cp <= 0x202E) ||
         (cp >= 0x2066 && cp <= 0x2069) || cp == 0x2028 || cp == 0x2029;
}

std::string EscapeOf(char32_t cp) {
  switch (cp) {
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    default:
      return cp < 0x80 ? HexEscape("\\x%02X", cp) : HexEscape("\\u%04X", cp);
  }
}

// Length of the UTF-8 sequence starting at s[i], or 0 when the bytes there are not one.
std::size_t SequenceLength(const std::string& s, std::size_t i, char32_t& cp) {
  const auto c = static_cast<unsigned char>(s[i]);
  std::size_t length = c < 0x80             ? 1
                       : (c & 0xE0) == 0xC0 ? 2
                       : (c & 0xF0) == 0xE0 ? 3
                       : (c & 0xF8) == 0xF0 ? 4
                                            : 0;
  if (length == 0 || i + length > s.size()) return 0;
  cp = length == 1 ? c : length == 2 ? c & 0x1F : length == 3 ? c & 0x0F : c & 0x07;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(s[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (next & 0x3F);
  }
  const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < smallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

// The text as the characters a message shows, one entry per shown character or escape.
std::vector<std::string> ShownCharacters(const std::string& text) {
  std::vector<std::string> shown;
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    const std::size_t length = SequenceLength(text, i, cp);
    if (length == 0) {
      shown.push_back(HexEscape("\\x%02X", static_cast<unsigned char>(text[i])));
      ++i;
      continue;
    }
    shown.push_back(IsHiddenControl(cp) ? EscapeOf(cp) : text.substr(i, length));
    i += length;
  }
  return shown;
}

// Characters of a shown entry: an escape counts each of its characters, a character one.
std::size_t Width(const std::string& entry) {
  return entry.size() > 1 && entry[0] == '\\' ? entry.size() : 1;
}

// The shown characters that fit into `room`, taken from the front or from the back.
template <typename It>
std::vector<std::string> Fitting(It first, It last, std::size_t room) {
  std::vector<std::string> kept;
  std::size_t width = 0;
  for (; first != last && width + Width(*first) <= room; ++first) {
    kept.push_back(*first);
    width += Width(*first);
  }
  return kept;
}

std::string Joined(const std::vector<std::string>& entries) {
  std::string out;
  for (const auto& entry : entries) out += entry;
  return out;
}

bool FitsWhole(const std::vector<std::string>& shown) {
  std::size_t total = 0;
  for (const auto& entry : shown) total += Width(entry);
  return total <= static_cast<std::size_t>(kQuotedCharacters);
}

constexpr const char* kEllipsis = "\u2026";

}  // namespace

std::string TextForMessage(const std::string& text) {
  const std::vector<std::string> shown = ShownCharacters(text);
  if (FitsWhole(shown)) return Joined(shown);
  return Joined(Fitting(shown.begin(), shown.end(), kQuotedCharacters - 1)) + kEllipsis;
}

std::string PathForMessage(const std::string& path) {
  const std::vector<std::string> shown = ShownCharacters(path);
  if (FitsWhole(shown)) return Joined(shown);
  auto tail = Fitting(shown.rbegin(), shown.rend(), kQuotedCharacters - 1);
  std::reverse(tail.begin(), tail.end());
  return kEllipsis + Joined(tail);
}

std::string VisibleText(const std::string& message) {
  std::string out;
  for (const auto& entry : ShownCharacters(message)) out += entry;
  return out;
}

void ThrowDivisionByZero() {
  throw MathError(kDivisionByZero);
}
void ThrowInvalidOperation() {
  throw MathError(kInvalidOperation);
}
void ThrowOverflow() {
  throw MathError(kOverflow);
}

InOutError InOutErrorFromErrno(int err) {
  switch (err) {
    case EACCES:
    case EPERM:
    case EROFS:
      return InOutError("File access denied", 5);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return InOutError("Disk full", 101);
    default:
      return InOutError("I/O error " + std::to_string(err), err);
  }
}

void ThrowInOut(int err) {
  throw InOutErrorFromErrno(err);
}

void ThrowReadBeyondEnd() {
  throw InOutError("Read beyond end of file", 100);
}

}  // namespace bs
