#include "geometry/segment_snap.h"

#include "geometry/angles.h"
#include "geometry/arc_detect.h"
#include "geometry/bezier_tables.h"
#include "geometry/host_math.h"
#include "geometry/numeric.h"
#include "geometry/point_math.h"

namespace {

constexpr double kMissDistance = 32000.0;

bool InGrownBox(const RealPoint& p, const RealPoint& a, const RealPoint& b, double tol) {
  return MinOf(a.h, b.h) - tol <= p.h && p.h <= MaxOf(a.h, b.h) + tol && MinOf(a.v, b.v) - tol <= p.v &&
         p.v <= MaxOf(a.v, b.v) + tol;
}

double Clamp(double x, double a, double b) { return MinOf(MaxOf(x, MinOf(a, b)), MaxOf(a, b)); }

int16_t SnapToArc(RealPoint* p, const RealPoint& centre, double radius, const CubicPoints& c, double tol) {
  if (!(AbsOf(radius - DistanceBetween(centre, *p)) < tol + 0.01)) return 0;
  const double aq = AngleOf(centre, *p);
  if (!AngleInArcRange(centre, c.p0, c.p3, aq)) return 0;
  ToRealPoint(RealPoint{centre.h + radius * CosOf(aq), centre.v + radius * SinOf(aq)}, p);
  return 1;
}

// The chord that took the point is refined over its two halves.
void SnapToChordHalves(RealPoint* p, const CubicPoints& c, int start, int end, double tol) {
  const int mid = end - 1;
  const RealPoint a = CubicStep64(c, start), m = CubicStep64(c, mid), b = CubicStep64(c, end);
  RealPoint first = *p, second = *p;
  const double d1 =
      PerpendicularFootOnSegment(&first, a, m, tol) ? DistanceBetween(*p, first) : kMissDistance;
  const double d2 =
      PerpendicularFootOnSegment(&second, m, b, tol) ? DistanceBetween(*p, second) : kMissDistance;
  ToRealPoint(d2 <= d1 ? second : first, p);
}

}  // namespace

int32_t SnapPointToLineSegment(RealPoint* p, const RealPoint& a, const RealPoint& b, double tol) {
  if (!InGrownBox(*p, a, b, tol)) return 0;
  if (a.h == b.h) {
    if (!(AbsOf(a.h - p->h) < tol)) return 0;
    p->h = SinglePrecision(a.h);
    return 1;
  }
  if (a.v == b.v) {
    if (!(AbsOf(a.v - p->v) < tol)) return 0;
    p->v = SinglePrecision(a.v);
    return 1;
  }
  const double m = (b.v - a.v) / (b.h - a.h);
  const double c = a.v - m * a.h;
  if (AbsOf(m) <= 0.5) {
    const double y = m * p->h + c;
    if (!(AbsOf(p->v - y) < tol)) return 0;
    p->v = SinglePrecision(y);
    return 1;
  }
  const double x = (p->v - c) / m;
  if (!(AbsOf(p->h - x) < tol)) return 0;
  p->h = SinglePrecision(x);
  return 1;
}

int16_t PerpendicularFootOnSegment(RealPoint* p, const RealPoint& a, const RealPoint& b, double tol) {
  if (!InGrownBox(*p, a, b, tol)) return 0;
  if (a.h == b.h && a.v == b.v) {
    *p = a;
    return 1;
  }
  const RealPoint line = FootOnLine(a, b, *p);
  const RealPoint foot{Clamp(line.h, a.h, b.h), Clamp(line.v, a.v, b.v)};
  if (!(DistanceBetween(foot, *p) < tol)) return 0;
  *p = foot;
  return 1;
}

int16_t AngleInArcRange(const RealPoint& centre, const RealPoint& p0, const RealPoint& p3, double angle) {
  double a0 = AngleOf(centre, p0);
  double a1 = AngleOf(centre, p3);
  if (AbsOf(a1 - a0) > kPiRounded) {
    if (a1 >= 0)
      a0 += kTwoPiRounded;
    else
      a1 += kTwoPiRounded;
  }
  const double low = MinOf(a0, a1), high = MaxOf(a0, a1);
  if (low <= angle && angle <= high) return 1;
  if (angle > 0)
    angle -= kTwoPiRounded;
  else if (angle < 0)
    angle += kTwoPiRounded;
  else
    return 0;
  return low <= angle && angle <= high ? 1 : 0;
}

int16_t SnapPointToBezierSegment(RealPoint* p, const PathSegment& s1, const PathSegment& s2, double tol,
                                 int16_t allowCurve) {
  const CubicPoints c = CubicOfSegments(s1, s2);
  RealPoint centre;
  double radius;
  if (DetectCircularArcInBezier(s1, s2, &centre, &radius)) return SnapToArc(p, centre, radius, c, tol);
  if (!allowCurve) return 0;
  // Double-width chords 0-1, 1-3, ..., 61-63, 63-64.
  int start = 0;
  for (int end = 1; end <= 64; end = (end == 63) ? 64 : end + 2) {
    RealPoint trial = *p;
    if (PerpendicularFootOnSegment(&trial, CubicStep64(c, start), CubicStep64(c, end), tol)) {
      SnapToChordHalves(p, c, start, end, tol);
      return 1;
    }
    start = end;
  }
  return 0;
}

int32_t SnapPointToPathSegment(RealPoint* p, const PathSegment& s1, const PathSegment& s2,
                               int16_t allowCurve) {
  const double tol = ViewTolerance();
  const CubicPoints c = CubicOfSegments(s1, s2);
  if (IsStraightSegment(c)) return SnapPointToLineSegment(p, c.p0, c.p3, tol);
  return SnapPointToBezierSegment(p, s1, s2, tol, allowCurve);
}
