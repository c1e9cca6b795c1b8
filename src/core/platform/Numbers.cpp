#include "core/platform/Numbers.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale>

#include "core/platform/Errors.h"

namespace bs {

namespace {

char g_separator = '.';

// A value as its 18 significant decimal digits: value = 0.d1d2d3... x 10^exponent.
struct Decimal {
  bool negative = false;
  std::string digits;  // without leading zeros; empty for zero
  int exponent = 0;    // digits before the separator
};

Decimal Expand(long double value) {
  Decimal d;
  if (value == 0) return d;
  d.negative = value < 0;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17Le", std::fabs(value));
  // buf: "d.ddddddddddddddddde+XX"
  std::string s(buf);
  const auto e = s.find('e');
  d.digits = s.substr(0, 1) + s.substr(2, e - 2);
  d.exponent = std::atoi(s.c_str() + e + 1) + 1;
  return d;
}

// Keeps `count` significant digits, rounding half away from zero on the first digit cut off.
// A rounding that carries into a new digit raises the exponent.
void RoundDigits(Decimal& d, int count) {
  if (d.digits.empty()) return;
  if (count < 0) {
    d.digits.clear();
    return;
  }
  if (count >= static_cast<int>(d.digits.size())) return;
  const bool up = d.digits[count] >= '5';
  d.digits.resize(count);
  if (up) {
    int i = count - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
}

char DigitAt(const Decimal& d, int index) {
  return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[index] : '0';
}

// Plain form with exactly `decimals` digits after the separator.
std::string PlainForm(const Decimal& d, int decimals, char separator) {
  std::string out;
  if (d.negative && !d.digits.empty()) out += '-';
  if (d.exponent <= 0) {
    out += '0';
  } else {
    for (int i = 0; i < d.exponent; ++i) out += DigitAt(d, i);
  }
  if (decimals > 0) {
    out += separator;
    for (int i = 0; i < decimals; ++i) out += DigitAt(d, d.exponent + i);
  }
  return out;
}

std::string ExponentForm(const Decimal& d, char separator) {
  std::string out;
  if (d.negative) out += '-';
  out += d.digits[0];
  if (d.digits.size() > 1) {
    out += separator;
    out += d.digits.substr(1);
  }
  out += 'E';
  out += std::to_string(d.exponent - 1);
  return out;
}

// Shortest form: without trailing zeros, no separator for a whole number.
std::string ShortForm(const Decimal& d, char separator) {
  const int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.exponent);
  return PlainForm(d, decimals, separator);
}

void CheckFinite(long double value) {
  if (std::isnan(value)) ThrowInvalidOperation();
  if (std::isinf(value)) ThrowOverflow();
}

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Accepts: [sign] digits [separator digits] [(e|E) [sign] digits], at least one mantissa digit.
// Returns the same text with a full stop as separator, ready for from_chars.
bool CanonicalDecimal(const std::string& text, char separator, std::string& out) {
  std::size_t i = 0;
  out.clear();
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') out += '-';
    ++i;
  }
  int mantissaDigits = 0;
  while (i < text.size() && IsDigit(text[i])) out += text[i++], ++mantissaDigits;
  if (i < text.size() && text[i] == separator) {
    out += '.';
    ++i;
    while (i < text.size() && IsDigit(text[i])) out += text[i++], ++mantissaDigits;
  }
  if (mantissaDigits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    out += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
    int exponentDigits = 0;
    while (i < text.size() && IsDigit(text[i])) out += text[i++], ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == text.size();
}

}  // namespace

char DecimalSeparator() {
  return g_separator;
}
void SetDecimalSeparator(char separator) {
  g_separator = separator;
}

void InitDecimalSeparatorFromEnvironment() {
  const char* name = nullptr;
  for (const char* var : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(var);
    if (value && *value) {
      name = value;
      break;
    }
  }
  char separator = '.';
  if (name) {
    try {
      const std::locale loc(name);
      separator = std::use_facet<std::numpunct<char>>(loc).decimal_point();
    } catch (const std::exception&) {
      separator = '.';
    }
  }
  SetDecimalSeparator(separator);
}

std::string FormatFixed(long double value, int precision, int digits) {
  return FormatFixed(value, precision, digits, g_separator);
}

std::string FormatFixed(long double value, int precision, int digits, char separator) {
  CheckFinite(value);
  Decimal d = Expand(value);
  if (d.digits.empty()) return PlainForm(d, digits, separator);
  if (d.exponent > precision) {
    RoundDigits(d, precision);
    return ExponentForm(d, separator);
  }
  RoundDigits(d, std::min(precision, d.exponent + digits));
  if (d.exponent > precision) return ExponentForm(d, separator);
  return PlainForm(d, digits, separator);
}

std::string FormatGeneral(long double value) {
  return FormatGeneral(value, g_separator);
}

std::string FormatGeneral(long double value, char separator) {
  CheckFinite(value);
  Decimal d = Expand(value);
  if (d.digits.empty()) return "0";
  RoundDigits(d, 15);
  const bool plain = std::fabs(value) >= 0.00001L && d.exponent <= 15;
  return plain ? ShortForm(d, separator) : ExponentForm(d, separator);
}

std::string FormatPadded(long double value, int width, int digits) {
  CheckFinite(value);
  Decimal d = Expand(value);
  RoundDigits(d, std::min(18, d.exponent + digits));
  std::string out = PlainForm(d, digits, '.');
  if (static_cast<int>(out.size()) < width) out.insert(0, width - out.size(), ' ');
  return out;
}

bool TryStrToFloat(const std::string& text, char separator, long double& value) {
  std::string canonical;
  if (!CanonicalDecimal(Trim(text), separator, canonical)) return false;
  long double parsed = 0;
  const auto* begin = canonical.data();
  const auto* end = begin + canonical.size();
  const auto [ptr, ec] = std::from_chars(begin, end, parsed);
  if (ec != std::errc() || ptr != end || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

bool TryStrToFloat(const std::string& text, long double& value) {
  return TryStrToFloat(text, g_separator, value);
}

long double StrToFloat(const std::string& text, char separator) {
  long double value = 0;
  if (!TryStrToFloat(text, separator, value))
    throw ConvertError("'" + TextForMessage(text) + "' is not a valid floating point value");
  return value;
}

long double StrToFloat(const std::string& text) {
  return StrToFloat(text, g_separator);
}

// [sign] digits, nothing else; one sign at most.
bool TryStrToInt(const std::string& text, std::int32_t& value) {
  std::string t = Trim(text);
  const std::size_t sign = !t.empty() && (t[0] == '+' || t[0] == '-') ? 1 : 0;
  if (t.size() <= sign || !IsDigit(t[sign])) return false;
  if (t[0] == '+') t.erase(0, 1);
  std::int32_t parsed = 0;
  const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), parsed);
  if (ec != std::errc() || ptr != t.data() + t.size()) return false;
  value = parsed;
  return true;
}

std::int32_t StrToInt(const std::string& text) {
  std::int32_t value = 0;
  if (!TryStrToInt(text, value))
    throw ConvertError("'" + TextForMessage(text) + "' is not a valid integer value");
  return value;
}

}  // namespace bs
