#include "geometry/numeric.h"

#include <cmath>
#include <limits>

namespace {

// Out-of-range values and NaN would be undefined as an int; they saturate.
int32_t SaturatingTrunc(double x) {
  if (std::isnan(x)) return 0;
  if (x >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (x <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(x);
}

}  // namespace

int32_t SignOf(double x) { return x < 0 ? -1 : 1; }

double MinOf(double a, double b) { return b <= a ? b : a; }

double MaxOf(double a, double b) { return b >= a ? b : a; }

double AbsOf(double x) { return x >= 0 ? x : -x; }

double SinOf(double angle) { return std::sin(angle); }

double CosOf(double angle) { return std::cos(angle); }

double Atan2Of(double y, double x) { return std::atan2(y, x); }

double SqrtOf(double x) { return std::sqrt(x); }

int32_t NearlyEqual(double a, double b) { return AbsOf(a - b) < 0.0001 ? 1 : 0; }

int32_t RoundToInt(double x) { return x >= 0 ? SaturatingTrunc(x + 0.5) : SaturatingTrunc(x - 0.5); }

int32_t TruncToInt(double x) { return SaturatingTrunc(x); }

double IntPower(double x, int16_t n) {
  if (n <= 0) return 1.0;
  double result = x;
  for (int16_t i = 1; i < n; ++i) result *= x;
  return result;
}

int32_t MinInt(int32_t a, int32_t b) { return a < b ? a : b; }

int32_t MaxInt(int32_t a, int32_t b) { return a > b ? a : b; }

double SinglePrecision(double x) {
  const volatile float rounded = static_cast<float>(x);
  return rounded;
}
