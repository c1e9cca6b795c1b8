#include "core/platform/Arith.h"

#include <cfenv>
#include <cmath>
#include <limits>

#include "core/platform/Errors.h"

namespace bs {

long double Checked(long double x) {
  if (std::isnan(x)) ThrowInvalidOperation();
  if (std::isinf(x)) ThrowOverflow();
  return x;
}

long double Divide(long double a, long double b) {
  Checked(a);
  Checked(b);
  if (b == 0) {
    if (a == 0) ThrowInvalidOperation();
    ThrowDivisionByZero();
  }
  return Checked(a / b);
}

long double Ln(long double x) {
  Checked(x);
  if (x == 0) ThrowDivisionByZero();
  if (x < 0) ThrowInvalidOperation();
  return std::log(x);
}

long double Exp(long double x) {
  return Checked(std::exp(Checked(x)));
}

long double Sqrt(long double x) {
  Checked(x);
  if (x < 0) ThrowInvalidOperation();
  return std::sqrt(x);
}

long double Power(long double base, long double exponent) {
  Checked(base);
  Checked(exponent);
  if (exponent == 0) return 1;
  if (base == 0) {
    if (exponent > 0) return 0;
    ThrowDivisionByZero();
  }
  if (base < 0 && std::trunc(exponent) != exponent) ThrowInvalidOperation();
  return Checked(std::pow(base, exponent));
}

long double Mul(long double a, long double b) {
  return Checked(Checked(a) * Checked(b));
}
long double Add(long double a, long double b) {
  return Checked(Checked(a) + Checked(b));
}

double ToDouble(long double x) {
  Checked(x);
  if (std::fabs(x) > std::numeric_limits<double>::max()) ThrowOverflow();
  return static_cast<double>(x);
}

std::int64_t RoundToEven(long double x) {
  Checked(x);
  const long double limit = 9.2e18L;
  if (std::fabs(x) >= limit) ThrowInvalidOperation();
  // The default rounding mode of the floating-point unit takes exact halves to even.
  return std::llrint(x);
}

std::int64_t Truncate(long double x) {
  Checked(x);
  if (std::fabs(x) >= 9.2e18L) ThrowInvalidOperation();
  return static_cast<std::int64_t>(std::trunc(x));
}

}  // namespace bs
