// A drag that starts on a mark: a handle's end or line, a point handle, or
// the grading origin and its arrow.
#include "common/plugin_globals.h"
#include "engine/grading_edit.h"
#include "geometry/host_math.h"
#include "geometry/point_math.h"
#include "panels/inf_panel_list.h"
#include "panels/panel_windows.h"
#include "resources/undo_text_pairs.h"
#include "store/grading_group_tags.h"
#include "tools/handle_creation.h"
#include "tools/handle_groups.h"
#include "tools/handle_kind.h"
#include "tools/handle_selection.h"
#include "tools/tool_utilities.h"
#include "tools/tracking_snap.h"
#include "tools/tracking_state.h"

namespace {

constexpr double kArrowPixels = 100.0;

RealPoint Moved(const RealPoint& p, const RealPoint& delta) { return {p.h + delta.h, p.v + delta.v}; }

// A handle's ends moved by the drag; a change of kind is refused.
void DragHandleEnds(ToolHandle tool, int32_t slot, int16_t code, const RealPoint& to,
                    const RealPoint& delta) {
  RevisionHandle* handles = gPlugin->handles;
  const int16_t kind = handles[slot].kind;
  if (kind == kHandleFree || kind == kHandlePoint) return;
  RevisionHandle moved = handles[slot];
  TwoPointHandleData& line = moved.line;
  if (code == kHitFirstEnd) line.p1 = to;
  if (code == kHitSecondEnd) line.p2 = to;
  if (code == kHitHandleLine) {
    line.p1 = Moved(line.p1, delta);
    line.p2 = Moved(line.p2, delta);
  }
  HitTestHandleEndpoints(&moved);
  if (KindFromEnds(kind, moved) != kind) {
    Beep();
    return;
  }
  if (kind == kHandleLength) PutEndsInRunOrder(line);
  // The group's later distance handles keep the lead's offset between the ends.
  if (kind == kHandleDistance && moved.groupId != 0) {
    const RealPoint offset{line.p1.h - line.p2.h, line.p1.v - line.p2.v};
    for (int32_t s = slot + 1; s < kMaxHandles; ++s) {
      if (handles[s].kind != kHandleDistance || handles[s].groupId != moved.groupId) break;
      handles[s].line.p1 = Moved(handles[s].line.p2, offset);
    }
  }
  handles[slot] = moved;
  StoreHandleChange(tool);
  InvalidateInfList();
  if (kind == kHandleMeasurement) InvalidateVarList();
}

void DragPointHandle(ToolHandle tool, int32_t slot, const RealPoint& to) {
  RevisionHandle probe;
  HitTestAnchorPoint(to, &probe);
  if (probe.point.art == nullptr) {
    Beep();
    return;
  }
  RevisionHandle& h = gPlugin->handles[slot];
  h.kind = kHandlePoint;
  h.point.art = probe.point.art;
  h.point.anchorIndex = probe.point.anchorIndex;
  StoreHandleChange(tool);
  InvalidateInfList();
}

// The origin and the arrow move together; the arrow's end alone turns and
// stretches the arrow.
void DragOrigin(int16_t code, const RealPoint& to, const RealPoint& delta) {
  PluginGlobals& g = *gPlugin;
  RealPoint origin = g.grading_origin, arrowEnd = GradingArrowEnd();
  if (code == kHitArrowEnd) {
    arrowEnd = to;
  } else {
    origin = Moved(origin, delta);
    arrowEnd = Moved(arrowEnd, delta);
  }
  g.grading_origin = origin;
  g.grading_angle = AngleOf(origin, arrowEnd);
  g.grading_length = DistanceBetween(origin, arrowEnd);
  if (g.grading_length == 0) {
    const double zoom = FirstViewZoom();
    g.grading_length = zoom > 0 ? kArrowPixels / zoom : kArrowPixels;
  }
  StoreAfterEdit(kUndoBasicSettings);
  RebuildInfList();
}

}  // namespace

void DragRevisionHandleMark(ToolMessage* message, int16_t) {
  const PluginGlobals& g = *gPlugin;
  const RealPoint start = g.tracking.first.point, to = g.tracking.second.point;
  const RealPoint delta{to.h - start.h, to.v - start.v};
  const int16_t code = g.tracking.hitCode;
  const int32_t slot = static_cast<int32_t>(g.tracking.hitSlot);
  ToolHandle tool = message != nullptr ? message->tool : nullptr;
  if (code == kHitOrigin || code == kHitArrowEnd || code == kHitArrowLine) {
    DragOrigin(code, to, delta);
    return;
  }
  if (slot < 0 || slot >= kMaxHandles) return;
  if (code >= kHitFirstEnd && code <= kHitHandleLine) DragHandleEnds(tool, slot, code, to, delta);
  if (code == kHitPointHandle && g.handles[slot].kind == kHandlePoint) DragPointHandle(tool, slot, to);
}
