#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "geometry/host_math.h"
#include "geometry/point_math.h"
#include "geometry/segment_snap.h"
#include "tools/tracking_snap.h"
#include "tools/tracking_state.h"

namespace {

struct MarkHit {
  RealPoint* point;
  int16_t* kind;
  double tolerance;
};

// Closer to the mark than the tolerance: a circle about it.
bool WithinRadius(const RealPoint& p, const RealPoint& mark, double tolerance) {
  return DistanceBetween(p, mark) < tolerance;
}

// Snaps onto an end or onto the line between; returns the code for the ends or the line.
int16_t HitTwoMarks(const MarkHit& m, const RealPoint& a, const RealPoint& b, int16_t codeA, int16_t codeB,
                    int16_t codeLine) {
  if (WithinRadius(*m.point, a, m.tolerance)) {
    *m.point = a;
    *m.kind = kSnapKindHandleEnd;
    return codeA;
  }
  if (codeB != kHitNone && WithinRadius(*m.point, b, m.tolerance)) {
    *m.point = b;
    *m.kind = kSnapKindHandleEnd;
    return codeB;
  }
  if (SnapPointToLineSegment(m.point, a, b, m.tolerance)) {
    *m.kind = kSnapKindHandleLine;
    return codeLine;
  }
  return kHitNone;
}

bool ReadAnchor(ArtHandle art, int32_t index, RealPoint* anchor) {
  int16_t count = 0;
  if (art == nullptr || index < 0 || sAIPath->GetPathSegmentCount(art, &count) != kNoErr || index >= count)
    return false;
  PathSegment segment{};
  if (sAIPath->GetPathSegments(art, static_cast<int16_t>(index), 1, &segment) != kNoErr) return false;
  *anchor = segment.p;
  return true;
}

}  // namespace

int16_t SnapToRevisionHandles(RealPoint* point, int16_t* kind, uint32_t* slot, int16_t selected) {
  const PluginGlobals& g = *gPlugin;
  *slot = 0;
  if (g.handlesLocked) return kHitNone;
  // Two screen pixels at the zoom the module saw last.
  const MarkHit m{point, kind, ScreenPixelsToPoints(2, g.lastZoom)};
  const bool wantSelected = selected != 0;

  if ((g.grading_selected != 0) == wantSelected) {
    if (WithinRadius(*point, g.grading_origin, m.tolerance)) {
      *point = g.grading_origin;
      *kind = kSnapKindHandleEnd;
      return kHitOrigin;
    }
    if (!g.grading_hvlock) {
      const int16_t code =
          HitTwoMarks(m, GradingArrowEnd(), g.grading_origin, kHitArrowEnd, kHitNone, kHitArrowLine);
      if (code != kHitNone) return code;
    }
  }

  for (uint32_t i = 0; i < kMaxHandles; ++i) {
    const RevisionHandle& h = g.handles[i];
    if (h.kind <= kHandleFree || h.kind > kHandleAngle || (h.listSelected != 0) != wantSelected) continue;
    int16_t code = kHitNone;
    if (h.kind == kHandlePoint) {
      RealPoint anchor;
      if (!ReadAnchor(h.point.art, h.point.anchorIndex, &anchor)) continue;
      if (WithinRadius(*point, anchor, m.tolerance)) {
        *point = anchor;
        *kind = kSnapKindHandleLine;
        code = kHitPointHandle;
      }
    } else {
      code = HitTwoMarks(m, h.line.p1, h.line.p2, kHitFirstEnd, kHitSecondEnd, kHitHandleLine);
    }
    if (code != kHitNone) {
      *slot = i;
      return code;
    }
  }
  return kHitNone;
}
