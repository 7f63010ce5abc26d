#include "geometry/segment_length.h"

#include <cmath>
#include <limits>

#include "common/plugin_globals.h"
#include "geometry/angles.h"
#include "geometry/arc_detect.h"
#include "geometry/bezier_tables.h"
#include "geometry/host_math.h"
#include "geometry/numeric.h"
#include "geometry/point_math.h"
#include "geometry/segment_snap.h"

namespace {

constexpr double kStopTolerance = 0.0001;

// Angle swept from a0 to a1 the short way.
double ShortSweep(double a0, double a1) {
  const double d = AbsOf(a1 - a0);
  return d > kPiRounded ? kTwoPiRounded - d : d;
}

RealPoint Advance(const RealPoint& from, double distance, double angle) {
  return {from.h + distance * CosOf(angle), from.v + distance * SinOf(angle)};
}

}  // namespace

namespace {

// The 64 chords of a curve summed in order, with the arithmetic of
// CubicStep64 and DistanceBetween written out so that nothing leaves the
// loop; the sum stops once it passes `limit` (chords are never negative).
double ChordSum(const CubicPoints& c, double limit) {
  const double* a = gPlugin->bezier.weightA64;
  const double* b = gPlugin->bezier.weightB64;
  double length = 0;
  double h = c.p0.h, v = c.p0.v;
  for (int k = 1; k < 64; ++k) {
    const double w0 = a[k], w1 = b[k], w2 = b[64 - k], w3 = a[64 - k];
    const double nh = w0 * c.p0.h + w1 * c.p1.h + w2 * c.p2.h + w3 * c.p3.h;
    const double nv = w0 * c.p0.v + w1 * c.p1.v + w2 * c.p2.v + w3 * c.p3.v;
    const double dh = h - nh, dv = v - nv;
    length += std::sqrt(dh * dh + dv * dv);
    if (length > limit) return length;
    h = nh;
    v = nv;
  }
  const double dh = h - c.p3.h, dv = v - c.p3.v;
  return length + std::sqrt(dh * dh + dv * dv);
}

}  // namespace

double BezierSegmentLength(const PathSegment& s1, const PathSegment& s2) {
  const CubicPoints c = CubicOfSegments(s1, s2);
  if (IsStraightSegment(c)) return DistanceBetween(c.p0, c.p3);
  return ChordSum(c, std::numeric_limits<double>::infinity());
}

bool BezierSegmentLengthWithin(const PathSegment& s1, const PathSegment& s2, double limit) {
  const CubicPoints c = CubicOfSegments(s1, s2);
  if (IsStraightSegment(c)) return DistanceBetween(c.p0, c.p3) <= limit;
  return ChordSum(c, limit) <= limit;
}

double LengthAlongSegment(const PathSegment& s1, const PathSegment& s2, RealPoint* stop) {
  const CubicPoints c = CubicOfSegments(s1, s2);
  if (IsStraightSegment(c)) {
    if (stop && PerpendicularFootOnSegment(stop, c.p0, c.p3, kStopTolerance))
      return DistanceBetween(c.p0, *stop);
    return DistanceBetween(c.p0, c.p3);
  }
  RealPoint centre;
  double radius;
  if (DetectCircularArcInBezier(s1, s2, &centre, &radius)) {
    return radius * ShortSweep(AngleOf(centre, c.p0), AngleOf(centre, stop ? *stop : c.p3));
  }
  double length = 0;
  RealPoint start = c.p0;
  for (int k = 1; k <= 64; ++k) {
    const RealPoint end = CubicStep64(c, k);
    if (stop && PerpendicularFootOnSegment(stop, start, end, kStopTolerance)) {
      return length + DistanceBetween(start, *stop);
    }
    length += DistanceBetween(start, end);
    start = end;
  }
  return length;
}

int16_t PointAtLengthOnSegment(const PathSegment& s1, const PathSegment& s2, double distance,
                               RealPoint* point, double* angle) {
  const CubicPoints c = CubicOfSegments(s1, s2);
  if (IsStraightSegment(c)) {
    if (distance > DistanceBetween(c.p0, c.p3)) return 0;
    *angle = AngleOf(c.p0, c.p3);
    *point = Advance(c.p0, distance, *angle);
    return 1;
  }
  RealPoint centre;
  double radius;
  if (DetectCircularArcInBezier(s1, s2, &centre, &radius)) {
    const double a0 = AngleOf(centre, c.p0), a1 = AngleOf(centre, c.p3);
    if (!(radius > 0) || distance > radius * ShortSweep(a0, a1)) return 0;
    bool counterClockwise = a0 < a1;
    if (AbsOf(a1 - a0) > kPiRounded) counterClockwise = !counterClockwise;
    const double turn = counterClockwise ? distance / radius : -distance / radius;
    *point = Advance(centre, radius, a0 + turn);
    // The tangent in the direction of travel.
    *angle = a0 + turn + (counterClockwise ? kHalfPiRounded : -kHalfPiRounded);
    return 1;
  }
  double length = 0;
  RealPoint start = c.p0;
  for (int k = 1; k <= 64; ++k) {
    const RealPoint end = CubicStep64(c, k);
    const double chord = DistanceBetween(start, end);
    if (length + chord >= distance) {
      *angle = AngleOf(start, end);
      *point = Advance(start, distance - length, *angle);
      return 1;
    }
    length += chord;
    start = end;
  }
  return 0;
}

double BezierAngleAt(const RealPoint& p0, const RealPoint& p1, const RealPoint& p2, const RealPoint& p3,
                     double t) {
  if (t == 0) return HostPointsEqual(p1, p0) ? AngleOf(p0, p3) : AngleOf(p0, p1);
  if (t <= 0.99) {
    RealPoint here, ahead;
    EvaluateCubicBezier(p0, p1, p2, p3, t, &here);
    EvaluateCubicBezier(p0, p1, p2, p3, t + 0.01, &ahead);
    return AngleOf(here, ahead);
  }
  return HostPointsEqual(p2, p3) ? AngleOf(p0, p3) : AngleOf(p2, p3);
}

double BezierParameterOfPoint(const RealPoint& p0, const RealPoint& p1, const RealPoint& p2,
                              const RealPoint& p3, const RealPoint& p) {
  const CubicPoints c{p0, p1, p2, p3};
  RealPoint start = p0;
  for (int k = 1; k <= 64; ++k) {
    const RealPoint end = CubicStep64(c, k);
    RealPoint foot = p;
    if (PerpendicularFootOnSegment(&foot, start, end, 0.01)) {
      const double chord = DistanceBetween(start, end);
      // A chord of no length (all four points together) gives its start.
      const double f = chord > 0 ? MinOf(MaxOf(DistanceBetween(foot, start) / chord, 0.0), 1.0) : 0.0;
      return (k - 1) / 64.0 + f / 64.0;
    }
    start = end;
  }
  return 1.0;
}
