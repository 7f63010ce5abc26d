// Length handles: every curve of the run gets the amount's share of its length
// by lengthening or shortening its two control handles; anchors stay.
#include "engine/grading_engine_internal.h"
#include "geometry/point_math.h"
#include "geometry/segment_length.h"

namespace {

constexpr double kHandleScaleRange = 4.0;
constexpr int kHalvings = 14;

void FitCurveLength(GradedSegment& start, GradedSegment& end, double target) {
  const double outLength = DistanceBetween(start.p, start.out);
  const double outAngle = AngleOf(start.p, start.out);
  const double inLength = DistanceBetween(end.p, end.in);
  const double inAngle = AngleOf(end.p, end.in);
  GradedSegment trialStart = start;
  GradedSegment trialEnd = end;
  double t = 0;
  double step = kHandleScaleRange;
  for (int i = 0; i < kHalvings; ++i) {
    step /= 2;
    trialStart.out = Polar(start.p, outLength * (t + step), outAngle);
    trialEnd.in = Polar(end.p, inLength * (t + step), inAngle);
    if (BezierSegmentLengthWithin(trialStart, trialEnd, target)) t += step;
  }
  start.out = Polar(start.p, outLength * t, outAngle);
  end.in = Polar(end.p, inLength * t, inAngle);
}

}  // namespace

void ApplyLengthHandle(GradingPass& pass, int32_t slot) {
  PluginGlobals& g = *pass.g;
  const TwoPointHandleData& line = g.handles[slot].line;
  CurveRun run;
  if (!StartRunHandle(pass, slot, &run)) return;
  g.envLength = RunLength(run);
  const ArtSegments& path = *run.path;
  for (int32_t k = 1; k <= CurveCount(run.span); ++k) {
    if (!CurveInRun(run.span, k)) continue;
    GradedSegment& start = CurveStart(path, k);
    GradedSegment& end = CurveEnd(path, k);
    const double length = BezierSegmentLength(start, end);
    FitCurveLength(start, end, AmountOf(line.amountExpr[pass.scaleIndex]) * length / 100);
  }
}
