// Onto the normal or the tangent of the path at the drag start.
#include "geometry/angles.h"
#include "geometry/arc_detect.h"
#include "geometry/bezier_tables.h"
#include "geometry/host_math.h"
#include "geometry/numeric.h"
#include "geometry/point_math.h"
#include "geometry/segment_snap.h"
#include "tools/snap_targets.h"
#include "tools/snap_walk.h"

namespace {

constexpr double kChordSlack = 0.0001;

// The segment the drag started on: it ends at the recorded anchor. Anchor 0 of
// an open path ends no drawn segment, so its first segment stands in.
bool DragStartSegment(const SnapHit& hit, PathSegment* s1, PathSegment* s2) {
  std::vector<PathSegment> segments;
  bool closed = false;
  if (!ReadSnapPath(hit.art, &segments, &closed)) return false;
  const size_t n = segments.size();
  if (n < 2 || hit.segment >= n) return false;
  if (hit.segment == 0 && !closed) {
    *s1 = segments[0];
    *s2 = segments[1];
  } else {
    *s1 = segments[SegmentStart(hit.segment, n)];
    *s2 = segments[hit.segment];
  }
  return true;
}

bool InGrownBox(const RealPoint& p, const RealPoint& a, const RealPoint& b, double grow) {
  return MinOf(a.h, b.h) - grow <= p.h && p.h <= MaxOf(a.h, b.h) + grow && MinOf(a.v, b.v) - grow <= p.v &&
         p.v <= MaxOf(a.v, b.v) + grow;
}

// kNoAngle when the segment gives no direction at the start.
double NormalAtStart(const PathSegment& s1, const PathSegment& s2, const RealPoint& start) {
  const CubicPoints c = CubicOfSegments(s1, s2);
  if (IsStraightSegment(c)) return AngleOf(c.p0, c.p3) + kHalfPiRounded;
  RealPoint centre;
  double radius = 0;
  if (DetectCircularArcInBezier(s1, s2, &centre, &radius) &&
      AbsOf(radius - DistanceBetween(centre, start)) < ViewTolerance() + 0.01 &&
      AngleInArcRange(centre, c.p0, c.p3, AngleOf(centre, start)))
    return AngleOf(centre, start);
  RealPoint from = CubicStep64(c, 0);
  for (int k = 1; k <= 64; ++k) {
    const RealPoint to = CubicStep64(c, k);
    if (InGrownBox(start, from, to, kChordSlack)) return AngleOf(from, to) + kHalfPiRounded;
    from = to;
  }
  return kNoAngle;
}

}  // namespace

void SnapToPerpendicular(RealPoint* point, int16_t* kind) {
  TrackingState& t = gPlugin->tracking;
  const SnapHit& hit = t.firstHits[0];
  if (t.dragging <= 0 || t.first.snapKind <= 1 || hit.art == nullptr) return;
  if (t.first.angle == kNoAngle) {
    PathSegment s1, s2;
    if (!DragStartSegment(hit, &s1, &s2)) return;
    t.first.angle = NormalAtStart(s1, s2, t.first.point);
    if (t.first.angle == kNoAngle) return;
  }
  const RealPoint& start = t.first.point;
  const double d = DistanceBetween(start, *point);
  const double a = t.first.angle;
  const double tol = ViewTolerance();
  const double directions[4] = {a, a - kPiRounded, a + kHalfPiRounded, a - kHalfPiRounded};
  for (int i = 0; i < 4; ++i) {
    const RealPoint candidate{start.h + d * CosOf(directions[i]), start.v + d * SinOf(directions[i])};
    if (AbsOf(point->h - candidate.h) <= tol && AbsOf(point->v - candidate.v) <= tol) {
      ToRealPoint(candidate, point);
      *kind = i < 2 ? kSnapKindNormal : kSnapKindTangent;
      return;
    }
  }
}
