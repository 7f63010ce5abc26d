#include "tools/handle_groups.h"

#include <cstring>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/grading_edit.h"
#include "engine/preview_builder.h"
#include "panels/inf_panel_list.h"
#include "store/object_ids.h"
#include "tools/tool_utilities.h"

namespace {

constexpr double kGroupIdScale = 99999999.0;

bool Used(int32_t slot) { return gPlugin->handles[slot].kind != kHandleFree; }

// An id of 0 would leave the handle without a group, and one already in the
// table would join two groups.
bool GroupIdTaken(int32_t id, void*) {
  if (id == 0) return true;
  for (const RevisionHandle& h : gPlugin->handles) {
    if (h.kind != kHandleFree && h.groupId == static_cast<uint32_t>(id)) return true;
  }
  return false;
}

}  // namespace

int32_t FirstSlotOfGroup(int32_t slot) {
  const RevisionHandle* handles = gPlugin->handles;
  const uint32_t id = handles[slot].groupId;
  if (id == 0) return slot;
  while (slot > 0 && handles[slot - 1].groupId == id) --slot;
  return slot;
}

bool InGroupOf(int32_t lead, int32_t slot) {
  if (slot == lead) return true;
  const RevisionHandle* handles = gPlugin->handles;
  return handles[lead].groupId != 0 && Used(slot) && handles[slot].groupId == handles[lead].groupId;
}

int32_t SelectedLineGroupLead() {
  const RevisionHandle* handles = gPlugin->handles;
  int32_t lead = -1;
  for (int32_t s = 0; s < kMaxHandles; ++s) {
    if (!Used(s) || !handles[s].listSelected) continue;
    if (lead < 0) {
      lead = s;
    } else if (handles[s].groupId != handles[lead].groupId) {
      return -1;
    }
  }
  // A point handle has no second end to copy.
  return lead >= 0 && handles[lead].kind != kHandlePoint ? lead : -1;
}

int32_t SelectedPointGroupLead() {
  const RevisionHandle* handles = gPlugin->handles;
  for (int32_t s = 0; s < kMaxHandles; ++s) {
    const RevisionHandle& h = handles[s];
    if (h.kind == kHandlePoint && h.point.art != nullptr && h.listSelected) return s;
  }
  return -1;
}

bool InsertGroupMember(int32_t lead, RevisionHandle member) {
  RevisionHandle* handles = gPlugin->handles;
  if (Used(kMaxHandles - 1)) return false;
  const bool grouped = handles[lead].groupId != 0;
  if (!grouped)
    handles[lead].groupId = static_cast<uint32_t>(DrawRandomNumber(kGroupIdScale, 1, GroupIdTaken));
  int32_t at = lead + 1;
  while (grouped && at < kMaxHandles - 1 && Used(at) && handles[at].groupId == handles[lead].groupId) ++at;
  std::memmove(&handles[at + 1], &handles[at], sizeof(RevisionHandle) * (kMaxHandles - 1 - at));
  member.groupId = handles[lead].groupId;
  handles[at] = member;
  return true;
}

void RemoveGroupMember(int32_t slot) {
  RevisionHandle* handles = gPlugin->handles;
  const uint32_t id = handles[slot].groupId;
  const int32_t first = FirstSlotOfGroup(slot);
  std::memmove(&handles[slot], &handles[slot + 1], sizeof(RevisionHandle) * (kMaxHandles - 1 - slot));
  std::memset(&handles[kMaxHandles - 1], 0, sizeof(RevisionHandle));
  // `first` now holds the group's first handle, if any is left.
  if (id == 0 || !Used(first) || handles[first].groupId != id) return;
  if (first + 1 >= kMaxHandles || !Used(first + 1) || handles[first + 1].groupId != id)
    handles[first].groupId = 0;
}

int32_t FirstFreeHandleSlot() {
  for (int32_t s = 0; s < kMaxHandles; ++s) {
    if (!Used(s)) return s;
  }
  return -1;
}

void StoreHandleChange(ToolHandle tool) {
  SetToolUndoRedoText(tool);
  StoreGradingEdit();
}

void StoreHandleSelection() {
  BuildGradingPreview(0, 0);
  if (sAIUndo != nullptr) sAIUndo->SetSilent(1);
  SyncInfSelection();
}

int32_t GroupSlotCount(int32_t slot) {
  const RevisionHandle* handles = gPlugin->handles;
  int32_t n = 1;
  if (handles[slot].groupId == 0) return n;
  while (slot + n < kMaxHandles && handles[slot + n].groupId == handles[slot].groupId) ++n;
  return n;
}
