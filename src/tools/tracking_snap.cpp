#include "tools/tracking_snap.h"

#include <cmath>

#include "common/plugin_globals.h"
#include "geometry/angles.h"
#include "geometry/numeric.h"
#include "geometry/point_math.h"
#include "tools/snap_targets.h"
#include "tools/tracking_state.h"

namespace {

constexpr double kEighthTurn = kQuarterPiLong;

// Half away from zero, like RoundToInt, without its 32-bit range.
double RoundHalfAway(double x) { return x >= 0 ? std::trunc(x + 0.5) : std::trunc(x - 0.5); }

double SnapToStep(double value, double step) {
  // A step that is not positive (a damaged preferences file) leaves the coordinate alone.
  if (!(step > 0)) return value;
  const double snapped = RoundHalfAway(value / step) * step;
  return std::isfinite(snapped) ? snapped : value;
}

// The other end of what the drag grabbed, or the drag start.
RealPoint ShiftReference(const PluginGlobals& g) {
  const TrackingState& t = g.tracking;
  if (t.hitCode == kHitFirstEnd || t.hitCode == kHitSecondEnd) {
    if (t.hitSlot < kMaxHandles) {
      const RevisionHandle& h = g.handles[t.hitSlot];
      return t.hitCode == kHitFirstEnd ? h.line.p2 : h.line.p1;
    }
  } else if (t.hitCode == kHitOrigin) {
    return GradingArrowEnd();
  } else if (t.hitCode == kHitArrowEnd) {
    return g.grading_origin;
  }
  return g.trackingPrev.first.point;
}

}  // namespace

RealPoint GradingArrowEnd() {
  const PluginGlobals& g = *gPlugin;
  return RealPoint{g.grading_origin.h + g.grading_length * CosOf(g.grading_angle),
                   g.grading_origin.v + g.grading_length * SinOf(g.grading_angle)};
}

void SnapPointToGrid(RealPoint* point) {
  point->h = SnapToStep(point->h, gPlugin->flGrWidth);
  point->v = SnapToStep(point->v, gPlugin->flGrHeight);
}

void ConstrainTo45Degrees(const RealPoint& ref, RealPoint* p) {
  const double a = RoundHalfAway(Atan2Of(p->v - ref.v, p->h - ref.h) / kEighthTurn) * kEighthTurn;
  const double d = DistanceBetween(ref, *p);
  p->h = ref.h + d * CosOf(a);
  p->v = ref.v + d * SinOf(a);
}

void SnapCursorPoint(int16_t dragging, int16_t* kindOut) {
  PluginGlobals& g = *gPlugin;
  TrackingState& t = g.tracking;
  RealPoint p = t.cursor;
  int16_t kind = kSnapKindNone;
  SnapHit hit = kNoSnapHit;
  uint32_t slot = 0;

  int16_t code = SnapToRevisionHandles(&p, &kind, &slot, 1);
  if (kind == kSnapKindNone) code = SnapToRevisionHandles(&p, &kind, &slot, 0);
  if (kind == kSnapKindNone && g.flUseFcur) SnapToAnchorPoints(&p, &kind, 1, &hit);
  if (kind == kSnapKindNone && g.flUseFcrs) SnapToIntersections(&p, &kind, 1, &hit);
  if (kind == kSnapKindNone && g.flUseFcnt) SnapToBoundsCentre(&p, &kind, 1, &hit);
  if (kind == kSnapKindNone && g.flUseFops) SnapToPath(&p, &kind, &hit);
  if (kind == kSnapKindNone && g.flUseFrad && t.dragging == 1) SnapToPerpendicular(&p, &kind);
  if (kind == kSnapKindNone && g.flUseGrid) SnapPointToGrid(&p);

  // Only a drag has a start to turn about; a point on a handle line stays on it.
  if (dragging && (t.modifiers & kModShift) != 0 && kind != kSnapKindHandleLine)
    ConstrainTo45Degrees(ShiftReference(g), &p);

  RecordSnappedCursor(p, kind == kSnapKindNone ? kSnapKindFree : kind, hit, dragging, slot, code, kindOut);
}

void RecordSnappedCursor(const RealPoint& p, int16_t kind, const SnapHit& hit, int16_t dragging,
                         uint32_t slot, int16_t code, int16_t* kindOut) {
  PluginGlobals& g = *gPlugin;
  TrackingState& t = g.tracking;
  g.snapKind = kind;
  t.cursor = p;
  t.second = TrackedPoint{p, kind, kNoAngle};
  t.secondHits[0] = hit;
  if (!dragging) {
    t.first = TrackedPoint{p, kind, kNoAngle};
    t.firstHits[0] = hit;
    t.hitSlot = slot;
    t.hitCode = code;
  }
  if (kindOut != nullptr) *kindOut = kind;
}
