// Runs of curves between two anchors of one member path: their length and
// whether they form one circular arc.
#include "engine/grading_engine_internal.h"
#include "geometry/arc_detect.h"
#include "geometry/numeric.h"
#include "geometry/point_math.h"
#include "geometry/segment_length.h"

namespace {

constexpr double kArcTolerance = 0.1;

}  // namespace

int16_t RunOfHandle(GradingPass& pass, const TwoPointHandleData& line, CurveRun* run) {
  if (line.art1 != line.art2) return 0;
  if (MemberAnchor(pass, line.art1, line.index1) == nullptr) return 0;
  if (MemberAnchor(pass, line.art2, line.index2) == nullptr) return 0;
  run->path = MemberPath(pass, line.art1);
  run->s1 = line.index1;
  run->s2 = line.index2;
  if (!run->path->closed && run->s2 < run->s1) {
    run->s1 = line.index2;
    run->s2 = line.index1;
  }
  return 1;
}

int16_t StartRunHandle(GradingPass& pass, int32_t slot, CurveRun* run) {
  if (!RunOfHandle(pass, pass.g->handles[slot].line, run)) return 0;
  SetEnvironment(*pass.g, 0, 0, 0, slot);
  return 1;
}

int32_t CurveCount(const ArtSegments& path) {
  if (path.segmentCount <= 0) return 0;
  return path.closed ? path.segmentCount : path.segmentCount - 1;
}

GradedSegment& CurveStart(const ArtSegments& path, int32_t k) { return path.segments[k - 1]; }

GradedSegment& CurveEnd(const ArtSegments& path, int32_t k) {
  return path.segments[k == path.segmentCount ? 0 : k];
}

int16_t CurveInRun(const CurveRun& run, int32_t k) {
  if (run.s1 < run.s2) return run.s1 < k && k <= run.s2;
  if (run.s2 < run.s1) return k > run.s1 || k <= run.s2;
  return 0;
}

double RunLength(const CurveRun& run) {
  const ArtSegments& path = *run.path;
  double length = 0;
  for (int32_t k = 1; k <= CurveCount(path); ++k) {
    if (CurveInRun(run, k)) length += BezierSegmentLength(CurveStart(path, k), CurveEnd(path, k));
  }
  return length;
}

bool SameCircle(const RealPoint& centre1, double radius1, const RealPoint& centre2, double radius2) {
  return DistanceBetween(centre1, centre2) <= kArcTolerance && AbsOf(radius1 - radius2) <= kArcTolerance;
}

// Every curve must be an arc on the circle of the curve accepted before it,
// the second one too: two arcs of different circles are no arc.
ArcOfRun ArcTestOverRun(const CurveRun& run) {
  const ArtSegments& path = *run.path;
  ArcOfRun arc{0, 0.0, {0.0, 0.0}};
  int32_t accepted = 0;
  double radiusSum = 0;
  RealPoint centreSum{0, 0};
  RealPoint lastCentre{0, 0};
  double lastRadius = 0;
  for (int32_t k = 1; k <= CurveCount(path); ++k) {
    if (!CurveInRun(run, k)) continue;
    RealPoint centre;
    double radius = 0;
    if (!DetectCircularArcInBezier(CurveStart(path, k), CurveEnd(path, k), &centre, &radius)) return arc;
    if (accepted > 0 && !SameCircle(centre, radius, lastCentre, lastRadius)) return arc;
    ++accepted;
    radiusSum += radius;
    centreSum.h += centre.h;
    centreSum.v += centre.v;
    lastCentre = centre;
    lastRadius = radius;
  }
  if (accepted == 0) return arc;
  arc.isArc = 1;
  arc.radius = radiusSum / accepted;
  arc.centre = {centreSum.h / accepted, centreSum.v / accepted};
  return arc;
}
