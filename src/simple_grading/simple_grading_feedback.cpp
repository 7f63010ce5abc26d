#include "simple_grading/simple_grading_feedback.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "geometry/host_math.h"
#include "simple_grading/simple_grading_blocks.h"
#include "simple_grading/simple_grading_object.h"
#include "store/art_tags.h"
#include "tools/snap_targets.h"
#include "tools/tool_feedback.h"
#include "tools/tracking_snap.h"
#include "tools/tracking_state.h"
#include "win_api.h"

namespace {

constexpr double kEdgeTolerance = 0.01;
constexpr int kEndCircle = 5;
constexpr int32_t kCursorBase = 16100;

double Clamp(double v, double low, double high) { return v < low ? low : (v > high ? high : v); }

RealRect BoxOf(const RealPoint& a, const RealPoint& b) {
  return RealRect{std::fmin(a.h, b.h), std::fmax(a.v, b.v), std::fmax(a.h, b.h), std::fmin(a.v, b.v)};
}

// The object's bounds with the grabbed edge moved to the point.
RealRect MovedEdge(const RealRect& bounds, int16_t edge, const RealPoint& p) {
  RealRect r = bounds;
  if (edge == 1) r.left = p.h;
  if (edge == 2) r.top = p.v;
  if (edge == 3) r.right = p.h;
  if (edge == 4) r.bottom = p.v;
  return BoxOf({r.left, r.top}, {r.right, r.bottom});
}

// A percentage of the span measured from a side; none of a span that is not
// there.
bool Fraction(double from, double span, double* percent) {
  if (!(span > 0)) return false;
  *percent = Clamp(from / span * 100, 1, 99);
  return true;
}

void SetSleeveSplit(BlockProportions* p, double a, double b) {
  const double dress = MillimetresToPoints(BasicSizeRow().dressLength);
  if (a > 1 && b > 1 && dress > 0) {
    p->frontWidth = a / dress * 100;
    p->backWidth = b / dress * 100;
  }
}

void EditGrabbedDivider(int16_t kind, int16_t edge, const RealRect& r, const RealPoint& c,
                        BlockProportions* p) {
  const double w = r.right - r.left, h = r.top - r.bottom;
  const int16_t rot = static_cast<int16_t>(p->rotation & 3);
  if (kind != kSimpleSleeve) {
    const double from[4] = {c.v - r.bottom, c.h - r.left, r.top - c.v, r.right - c.h};
    Fraction(from[rot], rot % 2 == 0 ? h : w, &p->bustPosition);
    return;
  }
  if ((edge == 6) == (rot % 2 == 0)) {
    const double from[4] = {r.top - c.v, r.right - c.h, c.v - r.bottom, c.h - r.left};
    Fraction(from[rot], rot % 2 == 0 ? h : w, &p->capHeight);
    return;
  }
  const double span = rot % 2 == 0 ? w : h;
  const double from[4] = {c.h - r.left, r.top - c.v, r.right - c.h, c.v - r.bottom};
  double a = from[rot], b = span - a;
  if (a + b > 10) {
    if (a < 5) {
      a = 5, b = span - 5;
    } else if (b < 5) {
      b = 5, a = span - 5;
    }
  }
  SetSleeveSplit(p, a, b);
}

void SetProportionsFromRect(int16_t kind, const RealRect& r, BlockProportions* p) {
  const SizeTableRow& b = BasicSizeRow();
  const bool turned = p->rotation % 2 != 0;
  const double w = r.right - r.left, h = r.top - r.bottom;
  const double along = turned ? w : h, across = turned ? h : w;
  auto percent = [](double span, double mm, double* out) {
    const double base = MillimetresToPoints(mm);
    if (base > 0) *out = span / base * 100;
  };
  if (kind == kSimpleSleeve) {
    percent(along, b.sleeveDepth, &p->length);
    const double parts = p->frontWidth + p->backWidth;
    const double s = parts > 0 ? p->frontWidth / parts : 0.5;
    SetSleeveSplit(p, across * s, across * (1 - s));
    return;
  }
  percent(along, b.dressLength, &p->height);
  percent(across, b.bustGirth, &p->width);
}

bool ToWindow(const RealPoint& p, POINT* out) {
  const DocViewHandle view = FirstView();
  int32_t x = 0, y = 0;
  if (view == nullptr || sAIDocumentView->ArtworkPointToViewPoint(view, &p, &x, &y) != kNoErr) return false;
  *out = POINT{x, y};
  return true;
}

bool ToWindowDivider(const RealRect& rect, const RealPoint& d, WindowDivider* out) {
  out->horizontal = IsHorizontalDivider(rect, d);
  return ToWindow(d, &out->at);
}

void DrawState(HDC dc, const TrackingState& t, const SimpleGradingDragState& s, int16_t kind) {
  if (t.dragging != 1) return;
  if (kind == kSimpleMeasurement) {
    POINT a, b;
    if (!ToWindow(t.first.point, &a) || !ToWindow(t.cursor, &b)) return;
    MoveToEx(dc, a.x, a.y, nullptr);
    LineTo(dc, b.x, b.y);
    for (const POINT& p : {a, b})
      Ellipse(dc, p.x - kEndCircle, p.y - kEndCircle, p.x + kEndCircle, p.y + kEndCircle);
    return;
  }
  POINT topLeft, bottomRight;
  if (!ToWindow({s.block.left, s.block.top}, &topLeft) ||
      !ToWindow({s.block.right, s.block.bottom}, &bottomRight))
    return;
  const RECT rect{std::min(topLeft.x, bottomRight.x), std::min(topLeft.y, bottomRight.y),
                  std::max(topLeft.x, bottomRight.x), std::max(topLeft.y, bottomRight.y)};
  WindowDivider d1{}, d2{};
  const bool first = IsBlockKind(kind) && ToWindowDivider(s.block, s.divider1, &d1);
  const bool second = kind == kSimpleSleeve && ToWindowDivider(s.block, s.divider2, &d2);
  DrawBlockOutlineWithDividers(dc, rect, first ? &d1 : nullptr, second ? &d2 : nullptr);
}

}  // namespace

int16_t HitTestObjectBoundsEdge(const RealPoint& point, int16_t kind) {
  ArtHandle object = FindSimpleGradingObject(kind + 1);
  if (object == nullptr) return 0;
  RealPoint p = point;
  int16_t snap = kSnapKindNone;
  SnapHit hit = kNoSnapHit;
  SnapToPathInArt(object, &p, &snap, &hit);
  if (snap == kSnapKindNone || hit.art == nullptr) return 0;
  const RealRect b = GetBounds(hit.art);
  const double w = b.right - b.left, h = b.top - b.bottom;
  if (w <= kEdgeTolerance || h <= kEdgeTolerance) return w <= kEdgeTolerance ? 5 : 6;
  if (std::fabs(p.h - b.left) < kEdgeTolerance) return 1;
  if (std::fabs(p.v - b.top) < kEdgeTolerance) return 2;
  if (std::fabs(p.h - b.right) < kEdgeTolerance) return 3;
  if (std::fabs(p.v - b.bottom) < kEdgeTolerance) return 4;
  return 0;
}

void SnapAndHitTestCursor(int16_t dragging, int16_t* stateOut, int16_t kind) {
  PluginGlobals& g = *gPlugin;
  TrackingState& t = g.tracking;
  RealPoint p = t.cursor;
  int16_t edge = IsBlockKind(kind) ? HitTestObjectBoundsEdge(p, kind) : 0;
  int16_t state = kSnapKindNone;
  SnapHit hit = kNoSnapHit;
  if (state == kSnapKindNone && g.flUseFcur) SnapToAnchorPoints(&p, &state, 1, &hit);
  if (state == kSnapKindNone && g.flUseFcrs) SnapToIntersections(&p, &state, 1, &hit);
  if (state == kSnapKindNone && g.flUseFcnt) SnapToBoundsCentre(&p, &state, 1, &hit);
  if (state == kSnapKindNone && g.flUseFops) SnapToPath(&p, &state, &hit);
  if (state == kSnapKindNone && g.flUseGrid) SnapPointToGrid(&p);
  if (dragging && (t.modifiers & kModShift) != 0) ConstrainTo45Degrees(t.first.point, &p);

  if (state == kSnapKindNone) state = kSnapKindFree;
  if (dragging) edge = t.hitCode;
  if (edge != 0 && state >= 1 && state <= 7) state = static_cast<int16_t>(state + (edge % 2 == 1 ? 10 : 20));
  RecordSnappedCursor(p, state, hit, dragging, 0, edge, stateOut);
}

int32_t SimpleGradingCursorId(int16_t state) {
  int32_t mapped = 2;
  if (state >= 1 && state <= 7) mapped = state + 3;
  if (state == 8) mapped = 3;
  if (state >= 11 && state <= 17) mapped = state + 13;
  if (state >= 21 && state <= 27) mapped = state + 13;
  return kCursorBase + mapped;
}

void UpdateSimpleGradingDragState(int16_t kind) {
  PluginGlobals& g = *gPlugin;
  const TrackingState& t = g.tracking;
  SimpleGradingDragState& s = g.simpleDrag;
  if (t.dragging != 1 || kind == kSimpleMeasurement) return;
  const int16_t edge = IsBlockKind(kind) ? t.hitCode : 0;
  ArtHandle object = edge != 0 ? FindSimpleGradingObject(kind + 1) : nullptr;
  s.block = object == nullptr ? BoxOf(t.first.point, t.cursor) : MovedEdge(GetBounds(object), edge, t.cursor);
  if (!IsBlockKind(kind)) {
    s.divider1 = s.divider2 = s.objectPoint = t.cursor;
    return;
  }
  BlockProportions p = GetBlockProportions(kind);
  if (object != nullptr && (edge == 5 || edge == 6)) EditGrabbedDivider(kind, edge, s.block, t.cursor, &p);
  SetProportionsFromRect(kind, s.block, &p);
  SetBlockProportions(kind, p);
  PlaceBlockDividers(kind, &s);
}

void DrawBlockOutlineWithDividers(HDC dc, const RECT& rect, const WindowDivider* divider1,
                                  const WindowDivider* divider2) {
  if (rect.right == rect.left) return;
  MoveToEx(dc, rect.left, rect.top, nullptr);
  LineTo(dc, rect.right, rect.top);
  LineTo(dc, rect.right, rect.bottom);
  LineTo(dc, rect.left, rect.bottom);
  LineTo(dc, rect.left, rect.top);
  for (const WindowDivider* d : {divider1, divider2}) {
    if (d == nullptr) continue;
    if (d->horizontal) {
      MoveToEx(dc, rect.left, d->at.y, nullptr);
      LineTo(dc, rect.right, d->at.y);
    } else {
      MoveToEx(dc, d->at.x, rect.top, nullptr);
      LineTo(dc, d->at.x, rect.bottom);
    }
  }
}

void DrawSimpleGradingFeedback(int16_t kind) {
  PluginGlobals& g = *gPlugin;
  DrawInvertedInDocumentWindow([&](HDC dc) {
    if (dc != nullptr) DrawState(dc, g.trackingPrev, g.simpleDrag, kind);
    UpdateSimpleGradingDragState(kind);
    if (dc != nullptr) DrawState(dc, g.tracking, g.simpleDrag, kind);
  });
  SaveTrackingState();
}
