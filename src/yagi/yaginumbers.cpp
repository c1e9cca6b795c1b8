#include "yaginumbers.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace yagi {

namespace {

// Decimal digits of |value| to 15 significant digits and the power of ten of
// the first digit, so that the value is 0.d1d2d3... x 10^(exponent + 1).
struct DecimalDigits {
  std::string digits;
  int exponent = 0;
};

DecimalDigits decimalDigits(double magnitude) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
  const std::string text(buffer);
  const auto e = text.find('e');
  DecimalDigits result;
  result.digits = text.substr(0, 1) + text.substr(2, e - 2);
  result.exponent = std::atoi(text.c_str() + e + 1);
  return result;
}

// Keeps the first `keep` digits, rounding half up on the magnitude; the
// returned digits may be one longer when the rounding carries.
std::string roundDigits(const std::string& digits, int keep) {
  if (keep <= 0) return (keep == 0 && digits[0] >= '5') ? "1" : "0";
  std::string kept = digits.substr(0, static_cast<std::size_t>(keep));
  kept.resize(static_cast<std::size_t>(keep), '0');
  if (static_cast<std::size_t>(keep) < digits.size() &&
      digits[static_cast<std::size_t>(keep)] >= '5') {
    int i = keep - 1;
    for (; i >= 0 && kept[static_cast<std::size_t>(i)] == '9'; --i)
      kept[static_cast<std::size_t>(i)] = '0';
    if (i < 0)
      kept.insert(kept.begin(), '1');
    else
      ++kept[static_cast<std::size_t>(i)];
  }
  return kept;
}

}  // namespace

QString formatOneDecimal(double value, const QLocale& locale) {
  if (!std::isfinite(value)) return locale.toString(value);
  const DecimalDigits decimal = decimalDigits(std::fabs(value));
  // All digits up to and including the first decimal, as a count of tenths.
  std::string tenths = roundDigits(decimal.digits, decimal.exponent + 2);
  if (tenths.size() < 2) tenths.insert(0, 2 - tenths.size(), '0');
  const bool isZero = tenths.find_first_not_of('0') == std::string::npos;
  QString text = QString::fromStdString(tenths.substr(0, tenths.size() - 1));
  text += locale.decimalPoint() + QString(QChar::fromLatin1(tenths.back()));
  return (value < 0 && !isZero) ? QStringLiteral("-") + text : text;
}

std::optional<double> readNumber(const QString& text, const QLocale& locale) {
  QLocale strict = locale;
  strict.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
  QString decimal = text.trimmed();
  const QString separator = locale.decimalPoint();
  decimal.replace(QLatin1Char(','), separator).replace(QLatin1Char('.'), separator);
  bool ok = false;
  const double value = strict.toDouble(decimal, &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

bool leadingWholeNumberIsZero(const QString& text) {
  const qsizetype separator = text.indexOf(QRegularExpression(QStringLiteral("[,.]")));
  const QString leading = text.left(separator);
  for (const QChar c : leading) {
    if (c >= QLatin1Char('1') && c <= QLatin1Char('9')) return false;
  }
  return true;
}

}  // namespace yagi
