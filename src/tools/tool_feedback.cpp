#include "tools/tool_feedback.h"

#include <cmath>
#include <functional>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "geometry/angles.h"
#include "geometry/host_math.h"
#include "geometry/numeric.h"
#include "text/document_window.h"
#include "tools/handle_creation.h"
#include "tools/tracking_snap.h"
#include "tools/tracking_state.h"
#include "win_api.h"

namespace {

constexpr int kCrossArm = 5;
constexpr int kInnerRing = 5;
constexpr int kOuterRing = 8;
constexpr int kArrowStroke = 10;
constexpr double kArrowSpread = kSixthPiShort;

// What one tracking record shows, in artwork coordinates.
struct Feedback {
  RealPoint from;
  RealPoint to;
  int16_t mode;
};

bool IsMarqueeTool(const TrackingState& t, int16_t tool) {
  if (t.hitCode != kHitNone) return false;
  if (tool == 3) return true;
  return (tool == 1 || tool == 2 || tool == 6) && (t.modifiers & kModOption) != 0;
}

RealPoint Offset(const RealPoint& p, const RealPoint& delta) {
  return RealPoint{p.h + delta.h, p.v + delta.v};
}

bool FeedbackOf(const TrackingState& t, int16_t tool, Feedback* f) {
  if (t.dragging != 1 || HostPointsEqual(t.cursor, t.first.point)) return false;
  if (IsMarqueeTool(t, tool)) {
    *f = {t.first.point, t.cursor, kMarkerMarquee};
    return true;
  }
  const PluginGlobals& g = *gPlugin;
  const RealPoint delta{t.cursor.h - t.first.point.h, t.cursor.v - t.first.point.v};
  const bool handleHit = t.hitCode >= kHitFirstEnd && t.hitCode <= kHitHandleLine;
  if (handleHit && t.hitSlot >= kMaxHandles) return false;
  const TwoPointHandleData* h = handleHit ? &g.handles[t.hitSlot].line : nullptr;
  switch (t.hitCode) {
    case kHitNone:
    case kHitPointHandle:
      *f = {t.first.point, t.cursor, tool};
      return true;
    case kHitFirstEnd:
      *f = {t.cursor, h->p2, tool};
      return true;
    case kHitSecondEnd:
      *f = {h->p1, t.cursor, tool};
      return true;
    case kHitHandleLine:
      *f = {Offset(h->p1, delta), Offset(h->p2, delta), tool};
      return true;
    case kHitOrigin:
    case kHitArrowLine:
      *f = {Offset(g.grading_origin, delta), Offset(GradingArrowEnd(), delta), kMarkerOrigin};
      return true;
    case kHitArrowEnd:
      *f = {g.grading_origin, t.cursor, kMarkerOrigin};
      return true;
    default:
      return false;
  }
}

bool ToWindow(DocViewHandle view, const RealPoint& p, POINT* out) {
  int32_t x = 0, y = 0;
  if (view == nullptr || sAIDocumentView->ArtworkPointToViewPoint(view, &p, &x, &y) != kNoErr) return false;
  *out = POINT{x, y};
  return true;
}

void DrawFeedback(HDC dc, const TrackingState& t, int16_t tool) {
  Feedback f;
  if (!FeedbackOf(t, tool, &f)) return;
  const DocViewHandle view = FirstView();
  POINT a, b;
  if (!ToWindow(view, f.from, &a) || !ToWindow(view, f.to, &b)) return;
  DrawSnapMarkers(dc, a, b, f.mode);
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void Circle(HDC dc, POINT c, int r) { Ellipse(dc, c.x - r, c.y - r, c.x + r, c.y + r); }

void DiagonalCross(HDC dc, POINT p) {
  const int arm = static_cast<int>(5 * std::sin(kQuarterPiShort) + 0.5);
  Line(dc, p.x - arm, p.y - arm, p.x + arm, p.y + arm);
  Line(dc, p.x - arm, p.y + arm, p.x + arm, p.y - arm);
}

void EndMark(HDC dc, POINT p) {
  DiagonalCross(dc, p);
  if (SnapViewPointToPieceAnchor(&p)) Circle(dc, p, kInnerRing);
}

void OriginMarks(HDC dc, POINT origin, POINT arrowEnd) {
  Line(dc, origin.x - kCrossArm, origin.y, origin.x + kCrossArm, origin.y);
  Line(dc, origin.x, origin.y - kCrossArm, origin.x, origin.y + kCrossArm);
  Circle(dc, origin, kInnerRing);
  Circle(dc, origin, kOuterRing);
  if (gPlugin->grading_hvlock) return;
  Line(dc, origin.x, origin.y, arrowEnd.x, arrowEnd.y);
  const double back = Atan2Of(origin.y - arrowEnd.y, origin.x - arrowEnd.x);
  for (double spread : {kArrowSpread, -kArrowSpread}) {
    Line(dc, arrowEnd.x, arrowEnd.y, static_cast<int>(arrowEnd.x + kArrowStroke * CosOf(back + spread)),
         static_cast<int>(arrowEnd.y + kArrowStroke * SinOf(back + spread)));
  }
}

}  // namespace

void RevisionToolIdle() {}

void DrawRectOutline(HDC dc, const RECT& rect) {
  MoveToEx(dc, rect.left, rect.top, nullptr);
  LineTo(dc, rect.right, rect.top);
  LineTo(dc, rect.right, rect.bottom);
  LineTo(dc, rect.left, rect.bottom);
  LineTo(dc, rect.left, rect.top);
}

void DrawSnapMarkers(HDC dc, POINT p1, POINT p2, int16_t mode) {
  switch (mode) {
    case kMarkerOrigin:
      OriginMarks(dc, p1, p2);
      break;
    case 1:
    case 2:
    case 4:
    case 5:
    case 6:
      Line(dc, p1.x, p1.y, p2.x, p2.y);
      EndMark(dc, p1);
      EndMark(dc, p2);
      break;
    case kMarkerPoint:
      EndMark(dc, p2);
      break;
    case kMarkerMarquee: {
      const RECT r{MinInt(p1.x, p2.x), MinInt(p1.y, p2.y), MaxInt(p1.x, p2.x), MaxInt(p1.y, p2.y)};
      DrawRectOutline(dc, r);
      break;
    }
    default:
      break;
  }
}

int16_t SnapViewPointToPieceAnchor(POINT* point) {
  const DocViewHandle view = FirstView();
  RealPoint p;
  if (view == nullptr || sAIDocumentView->ViewPointToArtworkPoint(view, point->x, point->y, &p) != kNoErr)
    return 0;
  PieceAnchorHit hit;
  return FindPieceAnchor(p, &hit) && ToWindow(view, hit.anchor, point) ? 1 : 0;
}

void DrawInvertedInDocumentWindow(const std::function<void(HDC)>& draw) {
  const HWND window = FindDocumentViewWindow();
  const HDC dc = window != nullptr ? GetDC(window) : nullptr;
  if (dc == nullptr) {
    draw(nullptr);
    return;
  }
  const HPEN pen = CreatePen(PS_SOLID, 0, 0);
  const HGDIOBJ oldPen = SelectObject(dc, pen);
  // The circles are rings, not discs.
  const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  const int oldRop = SetROP2(dc, R2_NOT);
  draw(dc);
  SetROP2(dc, oldRop);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  ReleaseDC(window, dc);
}

void DrawToolFeedback(ToolMessage* /*message*/, int16_t toolIndex) {
  PluginGlobals& g = *gPlugin;
  DrawInvertedInDocumentWindow([&](HDC dc) {
    if (dc == nullptr) return;
    DrawFeedback(dc, g.trackingPrev, toolIndex);
    DrawFeedback(dc, g.tracking, toolIndex);
  });
  SaveTrackingState();
}
