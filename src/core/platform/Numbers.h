#pragma once
// Number formats and text-to-number conversion with the process-wide decimal separator.
#include <cstdint>
#include <string>

namespace bs {

// The decimal separator of the user's locale, taken once at start-up.
char DecimalSeparator();
void SetDecimalSeparator(char separator);
// Reads the numeric locale from LC_ALL, LC_NUMERIC or LANG (in that order) and sets the
// separator from it; the C and POSIX locales give a full stop.
void InitDecimalSeparatorFromEnvironment();

// fixed(P, D): P significant digits at most, exactly D decimals; exponent form when the value
// has more than P digits before the separator.
std::string FormatFixed(long double value, int precision, int digits);
std::string FormatFixed(long double value, int precision, int digits, char separator);
// general: 15 significant digits, shortest form.
std::string FormatGeneral(long double value);
std::string FormatGeneral(long double value, char separator);
// padded(W, D): fixed point with D decimals and a full stop, right-aligned to W characters.
std::string FormatPadded(long double value, int width, int digits);

// Decimal text with the given separator, blanks around it allowed; raises ConvertError
// "'%s' is not a valid floating point value".
long double StrToFloat(const std::string& text);
long double StrToFloat(const std::string& text, char separator);
// 32-bit signed whole number; raises ConvertError "'%s' is not a valid integer value".
std::int32_t StrToInt(const std::string& text);

// Non-raising variants.
bool TryStrToFloat(const std::string& text, long double& value);
bool TryStrToFloat(const std::string& text, char separator, long double& value);
bool TryStrToInt(const std::string& text, std::int32_t& value);

}  // namespace bs
