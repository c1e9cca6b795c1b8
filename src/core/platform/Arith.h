#pragma once
// Checked arithmetic: each helper raises the arithmetic fault at the step where it happens,
// so no infinity or NaN is ever stored, shown or written.
#include <cstdint>

namespace bs {

// Raises "Floating point overflow" for an infinite value and "Invalid floating point
// operation" for NaN; returns the value otherwise.
long double Checked(long double x);

long double Divide(long double a, long double b);  // a / b
long double Ln(long double x);                     // natural logarithm, x > 0
long double Exp(long double x);
long double Sqrt(long double x);                            // x >= 0
long double Power(long double base, long double exponent);  // general real power
long double Mul(long double a, long double b);
long double Add(long double a, long double b);

// Stores an extended value into a double field; overflow raises.
double ToDouble(long double x);

// Nearest whole number, an exact half going to the even neighbour.
std::int64_t RoundToEven(long double x);
// Whole part, towards zero.
std::int64_t Truncate(long double x);

}  // namespace bs
