#include "geometry/point_math.h"

#include "geometry/numeric.h"

void CopyPoint(const RealPoint& source, RealPoint* destination) {
  destination->h = source.h;
  destination->v = source.v;
}

void ToRealPoint(const RealPoint& source, RealPoint* destination) {
  destination->h = SinglePrecision(source.h);
  destination->v = SinglePrecision(source.v);
}

double AngleOf(const RealPoint& p0, const RealPoint& p1) { return Atan2Of(p1.v - p0.v, p1.h - p0.h); }

double DistanceBetween(const RealPoint& a, const RealPoint& b) {
  const double dx = a.h - b.h;
  const double dy = a.v - b.v;
  return SqrtOf(dx * dx + dy * dy);
}

int32_t IntersectLines(const RealPoint& p1, const RealPoint& p2, const RealPoint& q, const RealPoint& p3,
                       const RealPoint& p4, const RealPoint& r, RealPoint* out) {
  const bool vertical1 = p1.h == p2.h;
  const bool vertical2 = p3.h == p4.h;
  const double m1 = vertical1 ? 0.0 : (p2.v - p1.v) / (p2.h - p1.h);
  const double c1 = q.v - m1 * q.h;
  const double m2 = vertical2 ? 0.0 : (p4.v - p3.v) / (p4.h - p3.h);
  const double c2 = r.v - m2 * r.h;
  if (vertical1 && !vertical2) {
    *out = {q.h, m2 * q.h + c2};
    return 1;
  }
  if (vertical2 && !vertical1) {
    *out = {r.h, m1 * r.h + c1};
    return 1;
  }
  if (m1 == m2) {
    *out = r;
    return 0;
  }
  out->h = (c1 - c2) / (m2 - m1);
  out->v = out->h * m1 + c1;
  return 1;
}

RealPoint NormalOf(const RealPoint& a, const RealPoint& b) { return {b.v - a.v, a.h - b.h}; }

RealPoint FootOnLine(const RealPoint& a, const RealPoint& b, const RealPoint& p) {
  if (a.h == b.h) return {a.h, p.v};
  if (a.v == b.v) return {p.h, a.v};
  RealPoint f;
  IntersectLines(a, b, a, RealPoint{0, 0}, NormalOf(a, b), p, &f);
  return f;
}

double PointSegmentDistance2(const RealPoint& a, const RealPoint& b, const RealPoint& p, RealPoint* foot) {
  if (a.h == b.h && a.v == b.v) {
    if (foot) *foot = a;
    return DistanceBetween(p, a);
  }
  const RealPoint f = FootOnLine(a, b, p);
  if (MinOf(a.h, b.h) <= f.h && f.h <= MaxOf(a.h, b.h) && MinOf(a.v, b.v) <= f.v && f.v <= MaxOf(a.v, b.v)) {
    if (foot) *foot = f;
    return DistanceBetween(p, f);
  }
  const double d1 = DistanceBetween(p, a);
  const double d2 = DistanceBetween(p, b);
  if (d1 > d2) {
    if (foot) *foot = b;
    return d2;
  }
  if (foot) *foot = a;
  return d1;
}

int16_t CircleFromTwoChords(const PathSegment& s1, const PathSegment& s2, RealPoint* centre, double* radius) {
  const RealPoint& a = s1.p;
  const RealPoint& b = s1.out;
  const RealPoint& c = s2.in;
  const RealPoint& d = s2.p;
  // Both normals vertical, or parallel: no common centre (and no division by zero).
  const RealPoint origin{0, 0};
  RealPoint o;
  if (!IntersectLines(origin, NormalOf(a, b), a, origin, NormalOf(c, d), d, &o)) return 0;
  *centre = o;
  const double r1 = DistanceBetween(o, a);
  const double r2 = DistanceBetween(o, d);
  if (!(AbsOf(r1 - r2) <= 0.001 * r1)) return 0;
  *radius = (r1 + r2) / 2;
  return 1;
}

// Whether p, seen from `from` with `toward` turned to the x axis, lands right of x = 0.
static bool SideFlag(const RealPoint& from, const RealPoint& toward, const RealPoint& p) {
  const double a = AngleOf(from, toward);
  return CosOf(AngleOf(from, p) - a) * DistanceBetween(from, p) + from.h > 0;
}

int16_t SameSideOfPointList(const RealPoint* list, int32_t count, const RealPoint& p) {
  // The direction needs a second point; a shorter list has nothing to disagree with.
  if (list == nullptr || count < 2) return 1;
  const bool reference = SideFlag(list[0], list[1], p);
  for (int32_t i = 1; i < count; ++i) {
    if (SideFlag(list[i], list[1], p) != reference) return 0;
  }
  return 1;
}
