#include "geometry/bezier_tables.h"

#include "common/plugin_globals.h"
#include "geometry/host_math.h"
#include "geometry/numeric.h"

namespace {

void FillWeights(double* a, double* b, int n) {
  for (int k = 1; k < n; ++k) {
    const double t = static_cast<double>(k) / n;
    a[k] = IntPower(1 - t, 3);
    b[k] = IntPower(t - 1, 2) * t * 3;
  }
  a[0] = 1.0;
  b[0] = 0;
  a[n] = 0;
  b[n] = 0;
}

RealPoint StepPoint(const CubicPoints& c, const double* a, const double* b, int k, int n) {
  const double w0 = a[k], w1 = b[k], w2 = b[n - k], w3 = a[n - k];
  return {w0 * c.p0.h + w1 * c.p1.h + w2 * c.p2.h + w3 * c.p3.h,
          w0 * c.p0.v + w1 * c.p1.v + w2 * c.p2.v + w3 * c.p3.v};
}

}  // namespace

void BuildBezierWeightTables() {
  BezierWeightTables& w = gPlugin->bezier;
  FillWeights(w.weightA32, w.weightB32, 32);
  FillWeights(w.weightA64, w.weightB64, 64);
}

void EvaluateCubicBezier(const RealPoint& p0, const RealPoint& p1, const RealPoint& p2, const RealPoint& p3,
                         double t, RealPoint* out) {
  const double u = 1 - t;
  const double w0 = u * u * u, w1 = 3 * t * u * u, w2 = 3 * t * t * u, w3 = t * t * t;
  out->h = w0 * p0.h + w1 * p1.h + w2 * p2.h + w3 * p3.h;
  out->v = w0 * p0.v + w1 * p1.v + w2 * p2.v + w3 * p3.v;
}

CubicPoints CubicOfSegments(const PathSegment& s1, const PathSegment& s2) {
  return {s1.p, s1.out, s2.in, s2.p};
}

bool IsStraightSegment(const CubicPoints& c) {
  return HostPointsEqual(c.p1, c.p0) && HostPointsEqual(c.p2, c.p3);
}

RealPoint CubicStep64(const CubicPoints& c, int k) {
  return StepPoint(c, gPlugin->bezier.weightA64, gPlugin->bezier.weightB64, k, 64);
}

RealPoint CubicStep32(const CubicPoints& c, int k) {
  return StepPoint(c, gPlugin->bezier.weightA32, gPlugin->bezier.weightB32, k, 32);
}
