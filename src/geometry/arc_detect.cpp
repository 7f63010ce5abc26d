#include "geometry/arc_detect.h"

#include "geometry/bezier_tables.h"
#include "geometry/numeric.h"
#include "geometry/point_math.h"

namespace {

// Point at t = i / 6 with the same weight rule as the tables.
RealPoint SixthPoint(const CubicPoints& c, int i) {
  const double t = i / 6.0;
  const double a = IntPower(1 - t, 3), b = IntPower(t - 1, 2) * t * 3;
  const double tm = (6 - i) / 6.0;
  const double am = IntPower(1 - tm, 3), bm = IntPower(tm - 1, 2) * tm * 3;
  return {a * c.p0.h + b * c.p1.h + bm * c.p2.h + am * c.p3.h,
          a * c.p0.v + b * c.p1.v + bm * c.p2.v + am * c.p3.v};
}

RealPoint MidPoint(const RealPoint& a, const RealPoint& b) { return {(a.h + b.h) / 2, (a.v + b.v) / 2}; }

}  // namespace

int16_t DetectCircularArcInBezier(const PathSegment& s1, const PathSegment& s2, RealPoint* centre,
                                  double* radius) {
  const CubicPoints c = CubicOfSegments(s1, s2);
  const double d1 = DistanceBetween(c.p0, c.p1);
  const double d2 = DistanceBetween(c.p3, c.p2);
  if (d1 < 0.1 || d2 < 0.1 || AbsOf(d1 - d2) > 0.01) return 0;
  // A circle through both anchors and the curve's middle; one that also runs
  // through the chord's middle means the curve is all but straight.
  RealPoint o;
  double r;
  if (!CircleThroughThreePoints(c.p0, SixthPoint(c, 3), c.p3, &o, &r)) return 0;
  if (AbsOf(r - DistanceBetween(o, MidPoint(c.p0, c.p3))) < 0.01) return 0;
  const double sampleTol = MaxOf(r / 3000, 0.05);
  if (!CircleFromTwoChords(s1, s2, &o, &r)) return 0;
  for (int i = 1; i <= 5; ++i) {
    if (!(AbsOf(DistanceBetween(o, SixthPoint(c, i)) - r) <= sampleTol)) return 0;
  }
  *centre = o;
  *radius = r;
  return 1;
}

int16_t CircleThroughThreePoints(const RealPoint& a, const RealPoint& b, const RealPoint& c,
                                 RealPoint* centre, double* radius) {
  *radius = 0;
  if (a.v == b.v && b.v == c.v) return 0;
  // The perpendicular bisectors of a-b and b-c meet at the centre.
  const RealPoint origin{0, 0};
  RealPoint o;
  if (!IntersectLines(origin, NormalOf(a, b), MidPoint(a, b), origin, NormalOf(b, c), MidPoint(b, c), &o))
    return 0;
  *centre = o;
  *radius = DistanceBetween(o, a);
  return 1;
}
