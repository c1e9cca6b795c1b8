#pragma once
// Number helpers of yagi: the "0.0" display format, reading a typed number in
// the user's locale, and the whole-number test of the entry checks.

#include <QLocale>
#include <QString>

#include <optional>

namespace yagi {

// The value rounded to one decimal (an exact half away from zero), with at
// least one digit before the locale's decimal separator and no grouping.
QString formatOneDecimal(double value, const QLocale& locale);

// The text read as a decimal number in which a comma and a point both stand
// for the decimal separator, whatever the locale (the keypad gives a point,
// French habit a comma); surrounding blanks are allowed, digit grouping is
// not, so 145,5 and 145.5 never turn into 1455. Empty when unreadable.
std::optional<double> readNumber(const QString& text, const QLocale& locale);

// True when the whole number formed by the digits before the first decimal
// separator, comma or point (the whole text when it has none), is zero; an
// empty leading part is zero.
bool leadingWholeNumberIsZero(const QString& text);

}  // namespace yagi
