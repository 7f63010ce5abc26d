// Where two path segments cross near the working point.
#include "geometry/arc_detect.h"
#include "geometry/bezier_tables.h"
#include "geometry/host_math.h"
#include "geometry/numeric.h"
#include "geometry/point_math.h"
#include "geometry/segment_snap.h"
#include "geometry/view_hit_test.h"
#include "tools/snap_targets.h"
#include "tools/snap_walk.h"

namespace {

struct CrossingSegment {
  SnapHit hit;
  uint16_t start;  // anchor where the segment starts
  PathSegment s1, s2;
};

// The two segments of the search under way.
CrossingSegment sSegmentA, sSegmentB;

struct CrossingSearch {
  RealPoint point;
  int16_t kind;
  double tol;
};

constexpr int kChords = 64;

struct Chords {
  RealPoint at[kChords + 1];
};

void Flatten(const CubicPoints& c, Chords* chords) {
  for (int k = 0; k <= kChords; ++k) chords->at[k] = CubicStep64(c, k);
}

bool InBox(const RealPoint& p, const RealPoint& a, const RealPoint& b) {
  return MinOf(a.h, b.h) <= p.h && p.h <= MaxOf(a.h, b.h) && MinOf(a.v, b.v) <= p.v && p.v <= MaxOf(a.v, b.v);
}

bool InToleranceBox(const RealPoint& p, const RealPoint& centre, double tol) {
  return AbsOf(p.h - centre.h) <= tol && AbsOf(p.v - centre.v) <= tol;
}

// Of two candidates the one nearer to p; the second only when strictly nearer.
RealPoint Nearer(const RealPoint& first, const RealPoint& second, const RealPoint& p) {
  return DistanceBetween(second, p) < DistanceBetween(first, p) ? second : first;
}

bool LineMeetsCircle(const CubicPoints& line, const RealPoint& c, double r, const RealPoint& p, double tol,
                     RealPoint* out) {
  const double x0 = line.p0.h - c.h, y0 = line.p0.v - c.v;
  RealPoint root1, root2;
  if (line.p0.h == line.p3.h) {
    const double rest = r * r - x0 * x0;
    if (rest < 0) return false;
    root1 = {x0, SqrtOf(rest)};
    root2 = {x0, -SqrtOf(rest)};
  } else {
    const double m = (line.p3.v - line.p0.v) / (line.p3.h - line.p0.h);
    const double q = y0 - m * x0;
    const double disc = r * r * (m * m + 1) - q * q;
    if (disc < 0) return false;
    const double x1 = (SqrtOf(disc) - m * q) / (m * m + 1);
    const double x2 = (-m * q - SqrtOf(disc)) / (m * m + 1);
    root1 = {x1, m * x1 + q};
    root2 = {x2, m * x2 + q};
  }
  const RealPoint meet =
      Nearer(RealPoint{root1.h + c.h, root1.v + c.v}, RealPoint{root2.h + c.h, root2.v + c.v}, p);
  if (!(DistanceBetween(meet, p) <= tol)) return false;
  *out = meet;
  return true;
}

bool LineMeetsChords(const CubicPoints& line, const CubicPoints& curve, const RealPoint& p, double tol,
                     RealPoint* out) {
  Chords chords;
  Flatten(curve, &chords);
  for (int k = 1; k <= kChords; ++k) {
    const RealPoint& a = chords.at[k - 1];
    const RealPoint& b = chords.at[k];
    RealPoint meet;
    if (!IntersectLines(line.p0, line.p3, line.p0, a, b, a, &meet)) continue;
    if (InBox(meet, line.p0, line.p3) && InBox(meet, a, b) && InToleranceBox(meet, p, tol)) {
      *out = meet;
      return true;
    }
  }
  return false;
}

bool LineMeetsCurve(const CubicPoints& line, const CrossingSegment& curved, const RealPoint& p, double tol,
                    RealPoint* out) {
  RealPoint centre;
  double radius = 0;
  if (CircleFromTwoChords(curved.s1, curved.s2, &centre, &radius))
    return LineMeetsCircle(line, centre, radius, p, tol, out);
  return LineMeetsChords(line, CubicOfSegments(curved.s1, curved.s2), p, tol, out);
}

bool CirclesMeet(const RealPoint& c1, double r1, const RealPoint& c2, double r2, const RealPoint& p,
                 double tol, RealPoint* out) {
  const double d = DistanceBetween(c1, c2);
  if (d == 0) return false;
  const double a = (d * d + r1 * r1 - r2 * r2) / (2 * d);
  if (a > r1 || a < -r1) return false;  // circles apart, or one inside the other
  const double phi = Atan2Of(SqrtOf(r1 * r1 - a * a), a);
  const double base = AngleOf(c1, c2);
  const RealPoint meet = Nearer(RealPoint{c1.h + r1 * CosOf(base + phi), c1.v + r1 * SinOf(base + phi)},
                                RealPoint{c1.h + r1 * CosOf(base - phi), c1.v + r1 * SinOf(base - phi)}, p);
  if (!InToleranceBox(meet, p, tol)) return false;
  *out = meet;
  return true;
}

bool ChordsMeet(const CubicPoints& first, const CubicPoints& second, const RealPoint& p, double tol,
                RealPoint* out) {
  Chords a, b;
  Flatten(first, &a);
  Flatten(second, &b);
  for (int i = 1; i <= kChords; ++i) {
    for (int k = 1; k <= kChords; ++k) {
      RealPoint meet;
      if (!IntersectLines(a.at[i - 1], a.at[i], a.at[i - 1], b.at[k - 1], b.at[k], b.at[k - 1], &meet))
        continue;
      if (InBox(meet, a.at[i - 1], a.at[i]) && InBox(meet, b.at[k - 1], b.at[k]) &&
          InToleranceBox(meet, p, tol)) {
        *out = meet;
        return true;
      }
    }
  }
  return false;
}

bool SegmentsMeet(const CrossingSegment& a, const CrossingSegment& b, const RealPoint& p, double tol,
                  RealPoint* out) {
  const CubicPoints ca = CubicOfSegments(a.s1, a.s2), cb = CubicOfSegments(b.s1, b.s2);
  const bool straightA = IsStraightSegment(ca), straightB = IsStraightSegment(cb);
  if (straightA && straightB) {
    RealPoint meet;
    if (!IntersectLines(ca.p0, ca.p3, ca.p0, cb.p0, cb.p3, cb.p0, &meet)) return false;
    // Also with a vertical line: a nearly parallel one can meet it far away.
    if (!(DistanceBetween(meet, p) <= tol)) return false;
    *out = meet;
    return true;
  }
  if (straightA) return LineMeetsCurve(ca, b, p, tol, out);
  if (straightB) return LineMeetsCurve(cb, a, p, tol, out);
  RealPoint c1, c2;
  double r1 = 0, r2 = 0;
  if (CircleFromTwoChords(a.s1, a.s2, &c1, &r1) && CircleFromTwoChords(b.s1, b.s2, &c2, &r2))
    return CirclesMeet(c1, r1, c2, r2, p, tol, out);
  return ChordsMeet(ca, cb, p, tol, out);
}

// Two segments of one path that follow each other meet at their shared
// anchor; a point there is pulled onto it and is no crossing.
bool FollowsSegmentA(ArtHandle path, const CrossingSegment& segment, RealPoint* point) {
  if (path != sSegmentA.hit.art) return false;
  // The closing segment also meets the first one, at anchor 0.
  return (sSegmentA.hit.segment == segment.start && IsPointNearPointInView(point, segment.s1.p)) ||
         (segment.hit.segment == sSegmentA.start && IsPointNearPointInView(point, segment.s2.p));
}

void TestCrossingSegment(CrossingSearch* search, const CrossingSegment& segment) {
  if (search->kind != 0 || !SnapPointToPathSegment(&search->point, segment.s1, segment.s2, 1)) return;
  if (sSegmentA.hit.art == nullptr) {
    sSegmentA = segment;
    return;
  }
  if (sSegmentB.hit.art != nullptr || FollowsSegmentA(segment.hit.art, segment, &search->point)) return;
  sSegmentB = segment;
  RealPoint meet;
  if (!SegmentsMeet(sSegmentA, sSegmentB, search->point, search->tol, &meet)) {
    // A near miss: a later segment may still cross the first one here.
    sSegmentB = {};
    return;
  }
  ToRealPoint(meet, &search->point);
  search->kind = kSnapKindIntersection;
}

HostErr TestCrossings(ArtHandle path, void* context) {
  auto* search = static_cast<CrossingSearch*>(context);
  if (search->kind != 0 || !PathMayHold(path, search->point)) return kNoErr;
  std::vector<PathSegment> segments;
  bool closed = false;
  if (!ReadSnapPath(path, &segments, &closed)) return kNoErr;
  const size_t n = segments.size();
  for (size_t i = 1; i < n && search->kind == 0; ++i) {
    TestCrossingSegment(
        search,
        {{path, static_cast<uint16_t>(i)}, static_cast<uint16_t>(i - 1), segments[i - 1], segments[i]});
  }
  if (closed && n >= 2 && search->kind == 0)
    TestCrossingSegment(search, {{path, 0}, static_cast<uint16_t>(n - 1), segments[n - 1], segments[0]});
  return kNoErr;
}

}  // namespace

void SnapToIntersections(RealPoint* point, int16_t* kind, int16_t maxHits, SnapHit* hits) {
  sSegmentA = {};
  sSegmentB = {};
  CrossingSearch search{*point, 0, ViewTolerance()};
  WalkSnapLayers(TestCrossings, &search, &search.kind);
  if (search.kind == 0) {
    CopySnapHits(nullptr, 0, maxHits, hits);
    return;
  }
  const SnapHit found[2] = {sSegmentA.hit, sSegmentB.hit};
  CopySnapHits(found, 2, maxHits, hits);
  *point = search.point;
  *kind = search.kind;
}
