// The path both ends of a drag lie on, and the distance of a point from one
// of its segments.
#include "geometry/angles.h"
#include "geometry/arc_detect.h"
#include "geometry/bezier_tables.h"
#include "geometry/numeric.h"
#include "geometry/point_math.h"
#include "tools/snap_targets.h"

namespace {

RealPoint Offset(const RealPoint& from, double distance, double angle) {
  return {from.h + distance * CosOf(angle), from.v + distance * SinOf(angle)};
}

double FoldAngle(double a) {
  if (a > kPiRounded) return a - kTwoPiRounded;
  if (a < -kPiRounded) return a + kTwoPiRounded;
  return a;
}

double MeasureStraight(const CubicPoints& c, const RealPoint& p, RealPoint* nearest, int16_t* side) {
  RealPoint foot;
  const double d = PointSegmentDistance2(c.p0, c.p3, p, &foot);
  const double direction = AngleOf(c.p0, c.p3);
  const RealPoint left = Offset(foot, d, direction + kHalfPiRounded);
  const RealPoint right = Offset(foot, d, direction - kHalfPiRounded);
  *side = DistanceBetween(left, p) < DistanceBetween(right, p) ? 1 : 0;
  *nearest = foot;
  return d;
}

double MeasureArc(const CubicPoints& c, const RealPoint& centre, double radius, const RealPoint& p,
                  RealPoint* nearest, int16_t* side) {
  const double fromCentre = DistanceBetween(centre, p);
  const double start = AngleOf(centre, c.p0);
  const double sweep = FoldAngle(AngleOf(centre, c.p3) - start);
  const double turn = FoldAngle(AngleOf(centre, p) - start);
  *side = fromCentre < radius ? 1 : 0;
  if (sweep < 0) *side = static_cast<int16_t>(1 - *side);
  if (SignOf(turn) == SignOf(sweep) && AbsOf(turn) <= AbsOf(sweep)) {
    *nearest = Offset(centre, radius, AngleOf(centre, p));
    return AbsOf(radius - fromCentre);
  }
  const double d0 = DistanceBetween(p, c.p0), d3 = DistanceBetween(p, c.p3);
  *nearest = d0 > d3 ? c.p3 : c.p0;
  return d0 > d3 ? d3 : d0;
}

double MeasureCurve(const CubicPoints& c, const RealPoint& p, RealPoint* nearest, int16_t* side) {
  // Double-width chords 0-1, 1-3, ..., 61-63, 63-64, the nearest then halved.
  int bestStart = 0, bestEnd = 1;
  double best = 0;
  int start = 0;
  for (int end = 1; end <= 64; end = (end == 63) ? 64 : end + 2) {
    const double d = PointSegmentDistance2(CubicStep64(c, start), CubicStep64(c, end), p, nullptr);
    if (end == 1 || d < best) {
      best = d;
      bestStart = start;
      bestEnd = end;
    }
    start = end;
  }
  const int mid = bestEnd - 1;
  RealPoint footA, footB;
  const RealPoint a = CubicStep64(c, bestStart), m = CubicStep64(c, mid), b = CubicStep64(c, bestEnd);
  const double dA = PointSegmentDistance2(a, m, p, &footA);
  const double dB = PointSegmentDistance2(m, b, p, &footB);
  const bool second = dB <= dA;
  const RealPoint& from = second ? m : a;
  const RealPoint& to = second ? b : m;
  const double d = second ? dB : dA;
  *nearest = second ? footB : footA;
  const RealPoint middle{(from.h + to.h) / 2, (from.v + to.v) / 2};
  const double direction = AngleOf(from, to);
  *side = DistanceBetween(Offset(middle, d, direction - kHalfPiRounded), p) >
                  DistanceBetween(Offset(middle, d, direction + kHalfPiRounded), p)
              ? 1
              : 0;
  return d;
}

}  // namespace

int16_t FindHitPairInTables(SnapHit* a, SnapHit* b) {
  const TrackingState& t = gPlugin->tracking;
  for (const SnapHit& first : t.firstHits) {
    if (first.art == nullptr) continue;
    for (const SnapHit& second : t.secondHits) {
      if (second.art != first.art) continue;
      *a = first;
      *b = second;
      return 1;
    }
  }
  *a = kNoSnapHit;
  *b = kNoSnapHit;
  return 0;
}

double ComputeHitPairMeasure(const PathSegment& s1, const PathSegment& s2, const RealPoint& p,
                             RealPoint* nearest, int16_t* side) {
  const CubicPoints c = CubicOfSegments(s1, s2);
  RealPoint foot{};
  int16_t leftSide = 0;
  double d = 0;
  RealPoint centre;
  double radius = 0;
  if (IsStraightSegment(c))
    d = MeasureStraight(c, p, &foot, &leftSide);
  else if (DetectCircularArcInBezier(s1, s2, &centre, &radius))
    d = MeasureArc(c, centre, radius, p, &foot, &leftSide);
  else
    d = MeasureCurve(c, p, &foot, &leftSide);
  if (nearest != nullptr) *nearest = foot;
  if (side != nullptr) *side = leftSide;
  return d;
}
