// Arc handles: the arc through the handle's run, grown to the whole arc it is
// part of, is scaled about a centre that keeps both end tangents on their lines.
#include <cmath>

#include "engine/grading_engine_internal.h"
#include "geometry/arc_detect.h"
#include "geometry/host_math.h"
#include "geometry/numeric.h"
#include "geometry/point_math.h"

namespace {

// Below this sine the end tangents count as parallel: their meeting point
// would lie so far away that the scale would become a shift.
constexpr double kParallelSine = 1e-9;

bool OnSameArc(const ArtSegments& path, int32_t k, const ArcOfRun& arc) {
  RealPoint centre;
  double radius = 0;
  return DetectCircularArcInBezier(CurveStart(path, k), CurveEnd(path, k), &centre, &radius) &&
         SameCircle(centre, radius, arc.centre, arc.radius);
}

void ExtendArcRun(const ArtSegments& path, AnchorRun* run, const ArcOfRun& arc) {
  if (run->s1 < run->s2) {
    while (run->s1 > 0 && OnSameArc(path, run->s1, arc)) --run->s1;
    const int32_t limit = path.segmentCount + (path.closed ? 1 : 0) - 1;
    while (run->s2 < limit && OnSameArc(path, run->s2 + 1, arc)) ++run->s2;
    if (run->s2 == path.segmentCount) run->s2 = 0;
  } else if (run->s2 < run->s1) {
    // Across the closing anchor both ends grow into the gap between them and
    // stop before they meet, so a whole circle cannot keep the walk going.
    while (run->s1 - 1 > run->s2 && OnSameArc(path, run->s1, arc)) --run->s1;
    while (run->s2 + 1 < run->s1 && OnSameArc(path, run->s2 + 1, arc)) ++run->s2;
    // The one curve left between them closes the circle: the whole path is the arc.
    if (run->s1 - 1 == run->s2 && OnSameArc(path, run->s1, arc)) run->s1 = run->s2;
  }
}

// Where the tangent at the run's start meets the tangent at its end (for a run
// of one anchor, its two tangents). The arc leaves its start by the out handle
// and reaches its end by the in handle, also across the closing anchor.
bool TangentsMeet(const GradedSegment& start, const GradedSegment& end, RealPoint* meeting) {
  if (HostPointsEqual(start.out, start.p) || HostPointsEqual(end.in, end.p)) return false;
  const double a1 = AngleOf(start.p, start.out);
  const double a2 = AngleOf(end.p, end.in);
  if (AbsOf(std::sin(a2 - a1)) < kParallelSine) return false;
  return IntersectLines(start.p, start.out, start.p, end.p, end.in, end.p, meeting) != 0;
}

bool AnchorInRun(const AnchorRun& run, int32_t k) {
  if (run.s1 == run.s2) return true;
  if (run.s1 < run.s2) return run.s1 <= k && k <= run.s2;
  return k <= run.s2 || k >= run.s1;
}

RealPoint ScaleAbout(const RealPoint& centre, const RealPoint& q, double r) {
  return {centre.h + (q.h - centre.h) * r, centre.v + (q.v - centre.v) * r};
}

}  // namespace

void ApplyArcHandle(GradingPass& pass, int32_t slot) {
  PluginGlobals& g = *pass.g;
  const TwoPointHandleData& line = g.handles[slot].line;
  CurveRun run;
  if (!StartRunHandle(pass, slot, &run)) return;
  const ArcOfRun arc = ArcTestOverRun(run);
  g.envRadius = arc.radius;
  const ArtSegments& path = *run.path;
  if (arc.isArc) ExtendArcRun(path, &run.span, arc);

  const GradedSegment& start = path.segments[run.span.s1];
  const GradedSegment& end = path.segments[run.span.s2];
  // Parallel or missing tangents fall back to the arc's own centre, or midway
  // between the ends of a run that is no arc (the anchor itself for one anchor).
  RealPoint centre;
  if (!TangentsMeet(start, end, &centre)) {
    centre = arc.isArc ? arc.centre : RealPoint{(start.p.h + end.p.h) / 2, (start.p.v + end.p.v) / 2};
  }

  const double r = AmountOf(line.amountExpr[pass.scaleIndex]) / 100;
  for (int32_t k = 0; k < path.segmentCount; ++k) {
    if (!AnchorInRun(run.span, k)) continue;
    GradedSegment& anchor = path.segments[k];
    anchor.p = ScaleAbout(centre, anchor.p, r);
    anchor.in = ScaleAbout(centre, anchor.in, r);
    anchor.out = ScaleAbout(centre, anchor.out, r);
  }
}
