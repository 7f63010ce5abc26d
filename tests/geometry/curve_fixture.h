// A globals record with the weight tables built, and path segments for
// straight lines, circular arcs and free curves.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "common/plugin_globals.h"
#include "geometry/bezier_tables.h"

class CurveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = gPlugin;
    gPlugin = &globals_;
    BuildBezierWeightTables();
  }
  void TearDown() override { gPlugin = saved_; }

 private:
  static inline PluginGlobals globals_{};
  PluginGlobals* saved_ = nullptr;
};

struct Curve {
  PathSegment s1, s2;
};

inline Curve Cubic(RealPoint p0, RealPoint p1, RealPoint p2, RealPoint p3) {
  return {{p0, p0, p1, 0}, {p3, p2, p3, 0}};
}
inline Curve Line(RealPoint a, RealPoint b) { return Cubic(a, a, b, b); }

// The usual cubic for a circular arc, counter-clockwise for from < to (degrees).
inline Curve Arc(RealPoint c, double r, double fromDeg, double toDeg) {
  const double a0 = fromDeg * M_PI / 180, a1 = toDeg * M_PI / 180, k = 4.0 / 3 * std::tan((a1 - a0) / 4) * r;
  const RealPoint p0{c.h + r * std::cos(a0), c.v + r * std::sin(a0)};
  const RealPoint p3{c.h + r * std::cos(a1), c.v + r * std::sin(a1)};
  return Cubic(p0, {p0.h - k * std::sin(a0), p0.v + k * std::cos(a0)},
               {p3.h + k * std::sin(a1), p3.v - k * std::cos(a1)}, p3);
}

inline bool IsSingle(double x) { return static_cast<double>(static_cast<float>(x)) == x; }
