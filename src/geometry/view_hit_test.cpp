#include "geometry/view_hit_test.h"

#include "common/suite_pointers.h"
#include "geometry/bezier_tables.h"
#include "geometry/host_math.h"
#include "geometry/numeric.h"
#include "geometry/segment_snap.h"

int16_t HitTestSegmentInView(RealPoint* p, const PathSegment& s1, const PathSegment& s2) {
  if (IsStraightSegment(CubicOfSegments(s1, s2))) return 0;
  return SnapPointToBezierSegment(p, s1, s2, ViewTolerance(), 0);
}

int32_t HitTestSegmentInViewAlt(RealPoint* p, const PathSegment& s1, const PathSegment& s2) {
  const CubicPoints c = CubicOfSegments(s1, s2);
  if (!IsStraightSegment(c)) return 0;
  return SnapPointToLineSegment(p, c.p0, c.p3, ViewTolerance());
}

int32_t IsPointNearPointInView(RealPoint* p, const RealPoint& target) {
  const double tol = ViewTolerance();
  if (target.h - tol <= p->h && p->h <= target.h + tol && target.v - tol <= p->v && p->v <= target.v + tol) {
    *p = target;
    return 1;
  }
  return 0;
}

int32_t IsPointNearRectCenterInView(RealPoint* p, const RealRect& rect) {
  return IsPointNearPointInView(p, RealPoint{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

int32_t IsPointInRectInView(const RealPoint& p, const RealRect& rect) {
  if (!sAIRealMath) return 0;
  const double tol = SinglePrecision(ViewTolerance());
  RealRect grown = rect;
  sAIRealMath->InsetRect(&grown, -tol, -tol);
  return sAIRealMath->PointInRect(&p, &grown) ? 1 : 0;
}
