// Small numeric functions with the tie and rounding rules the rest of the
// module counts on.
#pragma once

#include <cstdint>

int32_t SignOf(double x);
double MinOf(double a, double b);  // b on equality
double MaxOf(double a, double b);  // b on equality
double AbsOf(double x);
double SinOf(double angle);
double CosOf(double angle);
double Atan2Of(double y, double x);
double SqrtOf(double x);
int32_t NearlyEqual(double a, double b);
int32_t RoundToInt(double x);  // half away from zero
int32_t TruncToInt(double x);
double IntPower(double x, int16_t n);  // 1.0 for n <= 0
int32_t MinInt(int32_t a, int32_t b);
int32_t MaxInt(int32_t a, int32_t b);
// x as the host's single-precision reals hold it; no optimiser may fold the
// round trip away, or Debug and Release builds would store other coordinates.
double SinglePrecision(double x);
