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
  *run = RunOnPath(MemberPath(pass, line.art1), line.index1, line.index2);
  return 1;
}

CurveRun RunOnPath(ArtSegments* path, int32_t index1, int32_t index2) {
  return {path, RunBetweenAnchors(path->closed, path->segmentCount, index1, index2)};
}

int16_t StartRunHandle(GradingPass& pass, int32_t slot, CurveRun* run) {
  if (!RunOfHandle(pass, pass.g->handles[slot].line, run)) return 0;
  SetPassEnvironment(pass, 0, 0, 0, slot);
  return 1;
}

GradedSegment& CurveStart(const ArtSegments& path, int32_t k) { return path.segments[k - 1]; }

GradedSegment& CurveEnd(const ArtSegments& path, int32_t k) {
  return path.segments[k == path.segmentCount ? 0 : k];
}

double RunLength(const CurveRun& run) {
  const ArtSegments& path = *run.path;
  double length = 0;
  for (int32_t k = 1; k <= CurveCount(run.span); ++k) {
    if (CurveInRun(run.span, k)) length += BezierSegmentLength(CurveStart(path, k), CurveEnd(path, k));
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
  for (int32_t k = 1; k <= CurveCount(run.span); ++k) {
    if (!CurveInRun(run.span, k)) continue;
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

void MeasureRun(ArtSegments* path, int32_t index1, int32_t index2, double* length, double* radius) {
  const CurveRun run = RunOnPath(path, index1, index2);
  *length = RunLength(run);
  *radius = ArcTestOverRun(run).radius;
}

int16_t RunIsOneArc(ArtSegments* path, int32_t index1, int32_t index2) {
  return ArcTestOverRun(RunOnPath(path, index1, index2)).isArc;
}
