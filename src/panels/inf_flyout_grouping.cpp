// Grouping and ungrouping the selected revision handles.
#include <cstring>
#include <vector>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/grading_edit.h"
#include "panels/inf_flyout_internal.h"
#include "panels/inf_panel_list.h"
#include "resources/undo_text_pairs.h"

namespace {

bool Used(const RevisionHandle& handle) { return handle.kind != kHandleFree; }
bool Chosen(const RevisionHandle& handle) { return Used(handle) && handle.listSelected != 0; }

// A later member takes the leader's vector and current amount; handles of
// another kind than the leader's keep their data.
void AlignWithLeader(RevisionHandle& member, const RevisionHandle& leader, int16_t scale) {
  if (member.kind != leader.kind) return;
  if (member.kind == kHandleDistance) {
    member.line.p1.h = member.line.p2.h + (leader.line.p1.h - leader.line.p2.h);
    member.line.p1.v = member.line.p2.v + (leader.line.p1.v - leader.line.p2.v);
    std::memcpy(member.line.amountExpr[scale], leader.line.amountExpr[scale], kExprSize);
  } else if (member.kind == kHandlePoint) {
    std::memcpy(member.point.xExpr[scale], leader.point.xExpr[scale], kExprSize);
    std::memcpy(member.point.yExpr[scale], leader.point.yExpr[scale], kExprSize);
  }
}

// From the leader's slot on: the chosen handles, then the others, each in
// slot order; the slots left over become free so that none is listed twice.
void GatherFrom(int leaderSlot) {
  RevisionHandle* handles = gPlugin->handles;
  std::vector<RevisionHandle> copy(handles + leaderSlot, handles + kMaxHandles);
  int to = leaderSlot;
  for (const RevisionHandle& handle : copy)
    if (Chosen(handle)) handles[to++] = handle;
  for (const RevisionHandle& handle : copy)
    if (Used(handle) && !Chosen(handle)) handles[to++] = handle;
  for (; to < kMaxHandles; ++to) std::memset(&handles[to], 0, sizeof handles[to]);
}

uint32_t NewGroupId() {
  if (sAIRandom == nullptr) return 1;
  const auto id = static_cast<uint32_t>(static_cast<int32_t>(sAIRandom->FloatRnd() * 99999999.0));
  // 0 would leave the handles ungrouped.
  return id != 0 ? id : 1;
}

}  // namespace

void GroupSelectedHandles(bool group) {
  PluginGlobals& g = *gPlugin;
  if (g.currentScaleIndex < 0 || g.currentScaleIndex >= kMaxPresets) return;
  const uint32_t groupId = group ? NewGroupId() : 0;
  int leader = -1;
  for (int slot = 0; slot < kMaxHandles; ++slot) {
    RevisionHandle& handle = g.handles[slot];
    if (!Chosen(handle)) continue;
    handle.groupId = groupId;
    if (leader < 0)
      leader = slot;
    else
      AlignWithLeader(handle, g.handles[leader], g.currentScaleIndex);
  }
  if (leader >= 0) GatherFrom(leader);
  StoreAfterEdit(group ? kUndoGrouping : kUndoUngrouping);
  RebuildInfList();
}
