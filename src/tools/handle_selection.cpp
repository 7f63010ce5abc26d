#include "tools/handle_selection.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/piece_members.h"
#include "panels/inf_panel_list.h"
#include "tools/handle_creation.h"
#include "tools/handle_groups.h"
#include "tools/tool_utilities.h"
#include "tools/tracking_state.h"

namespace {

struct Anchor {
  ArtHandle art;
  int32_t index;
  RealPoint point;
};

uint32_t MouseUpModifiers(const ToolMessage* message) {
  return message != nullptr && message->event != nullptr ? message->event->modifiers : 0;
}

void ClearHandleSelection() {
  for (RevisionHandle& h : gPlugin->handles) h.listSelected = 0;
}

void NamePointHandle(RevisionHandle* handle) {
  FormatPointHandleName(handle->point.art, handle->point.anchorIndex, handle->name, sizeof handle->name);
}

// The piece's anchors inside the drag's rectangle, path by path.
std::vector<Anchor> AnchorsInMarquee() {
  const PluginGlobals& g = *gPlugin;
  std::vector<Anchor> inside;
  if (g.pieceArts == nullptr || sAIPath == nullptr || sAIRealMath == nullptr) return inside;
  const RealPoint a = g.tracking.first.point, b = g.tracking.second.point;
  const RealRect rect{a.h < b.h ? a.h : b.h, a.v > b.v ? a.v : b.v, a.h > b.h ? a.h : b.h,
                      a.v < b.v ? a.v : b.v};
  std::vector<PathSegment> segments;
  for (int32_t m = 0; m < g.pieceArtCount; ++m) {
    ArtHandle art = g.pieceArts[m];
    int16_t count = 0;
    if (art == nullptr || sAIPath->GetPathSegmentCount(art, &count) != kNoErr || count <= 0) continue;
    segments.resize(count);
    if (sAIPath->GetPathSegments(art, 0, count, segments.data()) != kNoErr) continue;
    for (int16_t i = 0; i < count; ++i) {
      if (sAIRealMath->PointInRect(&segments[i].p, &rect)) inside.push_back({art, i, segments[i].p});
    }
  }
  return inside;
}

bool IsOwnAnchor(const RevisionHandle& h, const Anchor& a) {
  if (h.kind == kHandlePoint) return h.point.art == a.art && h.point.anchorIndex == a.index;
  return h.line.art2 == a.art && h.line.index2 == a.index;
}

// The member of lead's group that already stands on the anchor, or -1.
int32_t FindGroupMember(int32_t lead, const Anchor& a) {
  const RevisionHandle* handles = gPlugin->handles;
  const bool points = handles[lead].kind == kHandlePoint;
  for (int32_t s = 0; s < kMaxHandles; ++s) {
    if (InGroupOf(lead, s) && (handles[s].kind == kHandlePoint) == points && IsOwnAnchor(handles[s], a))
      return s;
  }
  return -1;
}

// A copy of the lead on another anchor. A two-point copy keeps the lead's
// offset between its ends, except for an angle handle.
RevisionHandle MemberOnAnchor(int32_t lead, const Anchor& a) {
  RevisionHandle member = gPlugin->handles[lead];
  if (member.kind == kHandlePoint) {
    member.point.art = a.art;
    member.point.anchorIndex = a.index;
    return member;
  }
  TwoPointHandleData& line = member.line;
  if (member.kind != kHandleAngle) {
    line.p1.h += a.point.h - line.p2.h;
    line.p1.v += a.point.v - line.p2.v;
  }
  line.p2 = a.point;
  line.art2 = a.art;
  line.index2 = a.index;
  return member;
}

// The first anchor decides: one not yet in the group makes the marquee add
// the others, one already in it makes it remove them.
void AddOrRemoveAnchors(int32_t lead, const std::vector<Anchor>& anchors) {
  enum { kUndetermined, kAdding, kRemoving } mode = kUndetermined;
  for (const Anchor& a : anchors) {
    if (IsOwnAnchor(gPlugin->handles[lead], a)) continue;
    const int32_t found = FindGroupMember(lead, a);
    if (found < 0 && mode != kRemoving) {
      InsertGroupMember(lead, MemberOnAnchor(lead, a));
      mode = kAdding;
    } else if (found >= 0 && mode != kAdding) {
      RemoveGroupMember(found);
      if (found < lead) --lead;
      mode = kRemoving;
    }
  }
}

void ClickHandleMark(ToolHandle tool, bool shift, bool alt) {
  PluginGlobals& g = *gPlugin;
  const int32_t slot = static_cast<int32_t>(g.tracking.hitSlot);
  if (slot < 0 || slot >= kMaxHandles || g.handles[slot].kind == kHandleFree) return;
  RevisionHandle* handles = g.handles;
  g.grading_selected = 0;
  if (!alt) {
    const int16_t state = shift ? !handles[slot].listSelected : 1;
    if (!shift) ClearHandleSelection();
    for (int32_t s = 0; s < kMaxHandles; ++s) {
      if (InGroupOf(slot, s)) handles[s].listSelected = state;
    }
    StoreHandleSelection();
    return;
  }
  // The group's first handle stands for the group and cannot leave it.
  if (!handles[slot].listSelected || handles[slot].groupId == 0 || FirstSlotOfGroup(slot) == slot) {
    Beep();
    StoreHandleSelection();
    return;
  }
  RemoveGroupMember(slot);
  StoreHandleChange(tool);
  RebuildInfList();
}

void ClickOrigin() {
  PluginGlobals& g = *gPlugin;
  if (g.grading_selected) return;
  ClearHandleSelection();
  g.grading_selected = 1;
  StoreHandleSelection();
}

// Alt-click with the distance or angle tool: the anchor under the click joins
// the selected group.
void AddAnchorToLineGroup(ToolHandle tool, int16_t toolIndex, bool shift) {
  const PluginGlobals& g = *gPlugin;
  const int32_t lead = SelectedLineGroupLead();
  if (lead < 0) {
    Beep();
    return;
  }
  RevisionHandle probe;
  std::memset(&probe, 0, sizeof probe);
  probe.line.p1 = g.tracking.first.point;
  probe.line.p2 = g.tracking.second.point;
  HitTestHandleEndpoints(&probe);
  const Anchor a{probe.line.art2, probe.line.index2, probe.line.p2};
  if (a.art == nullptr || FindGroupMember(lead, a) >= 0) {
    Beep();
    return;
  }
  RevisionHandle member = MemberOnAnchor(lead, a);
  if (toolIndex == kToolDistance) member.proportional = shift ? 1 : 0;
  if (!InsertGroupMember(lead, member)) {
    Beep();
    return;
  }
  StoreHandleChange(tool);
  RebuildInfList();
}

bool AnyPointHandleOn(const Anchor& a) {
  for (const RevisionHandle& h : gPlugin->handles) {
    if (h.kind == kHandlePoint && IsOwnAnchor(h, a)) return true;
  }
  return false;
}

// A click with the point, measurement or arc tool: a point handle on the
// anchor, or with Alt a new member of the selected point group.
void ClickPointAnchor(ToolHandle tool, bool alt) {
  PluginGlobals& g = *gPlugin;
  RevisionHandle handle;
  HitTestAnchorPoint(g.tracking.first.point, &handle);
  handle.listSelected = 1;
  if (handle.point.art == nullptr) {
    Beep();
    return;
  }
  if (!alt) {
    // A full table drops the handle and keeps the selection.
    const int32_t slot = FirstFreeHandleSlot();
    if (slot < 0) return;
    NamePointHandle(&handle);
    ClearHandleSelection();
    g.grading_selected = 0;
    g.handles[slot] = handle;
    InsertHandleRow(slot);
    StoreHandleChange(tool);
    SyncInfSelection();
    return;
  }
  const int32_t lead = SelectedPointGroupLead();
  const Anchor a{handle.point.art, handle.point.anchorIndex, {}};
  if (lead < 0 || AnyPointHandleOn(a) || !InsertGroupMember(lead, MemberOnAnchor(lead, a))) {
    Beep();
    return;
  }
  StoreHandleChange(tool);
  RebuildInfList();
}

// A point marquee without Alt: a point handle on the first anchor inside,
// with the other anchors as its group.
void MarqueeNewPointGroup(ToolHandle tool, const std::vector<Anchor>& anchors) {
  PluginGlobals& g = *gPlugin;
  const int32_t slot = FirstFreeHandleSlot();
  if (anchors.empty() || slot < 0) {
    Beep();
    return;
  }
  ClearHandleSelection();
  g.grading_selected = 0;
  RevisionHandle& lead = g.handles[slot];
  std::memset(&lead, 0, sizeof lead);
  lead.kind = kHandlePoint;
  lead.point.art = anchors[0].art;
  lead.point.anchorIndex = anchors[0].index;
  NamePointHandle(&lead);
  AddOrRemoveAnchors(slot, anchors);
  StoreHandleChange(tool);
  RebuildInfList();
}

}  // namespace

void ClickRevisionHandles(ToolMessage* message, int16_t toolIndex) {
  const PluginGlobals& g = *gPlugin;
  const uint32_t modifiers = MouseUpModifiers(message);
  const bool shift = (modifiers & kModShift) != 0, alt = (modifiers & kModOption) != 0;
  const int16_t code = g.tracking.hitCode;
  ToolHandle tool = message != nullptr ? message->tool : nullptr;
  if (code >= kHitFirstEnd && code <= kHitPointHandle) {
    ClickHandleMark(tool, shift, alt);
  } else if (code == kHitOrigin || code == kHitArrowEnd || code == kHitArrowLine) {
    ClickOrigin();
  } else if (code != kHitNone) {
    return;
  } else if (toolIndex == kToolDistance || toolIndex == kToolLength || toolIndex == kToolAngle) {
    if (!alt || toolIndex == kToolLength) {
      Beep();
    } else {
      AddAnchorToLineGroup(tool, toolIndex, shift);
    }
  } else {
    ClickPointAnchor(tool, alt);
  }
}

void MarqueeRevisionHandles(ToolMessage* message, int16_t toolIndex) {
  const bool alt = (MouseUpModifiers(message) & kModOption) != 0;
  ToolHandle tool = message != nullptr ? message->tool : nullptr;
  if (toolIndex == kToolPoint && !alt) {
    MarqueeNewPointGroup(tool, AnchorsInMarquee());
    return;
  }
  int32_t lead = -1;
  if (toolIndex == kToolDistance || toolIndex == kToolAngle) lead = SelectedLineGroupLead();
  if (toolIndex == kToolPoint) lead = SelectedPointGroupLead();
  if (lead < 0) {
    Beep();
    return;
  }
  AddOrRemoveAnchors(lead, AnchorsInMarquee());
  StoreHandleChange(tool);
  RebuildInfList();
}
