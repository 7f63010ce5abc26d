// Handle groups in the handle table: runs of consecutive slots with one
// non-zero group id, led by their first slot. Shared by the tools' clicks,
// marquees and drags.
#pragma once

#include <cstdint>

#include "common/grading_records.h"
#include "engine/grading_edit.h"
#include "host_types.h"

// The first slot of the run that `slot` belongs to (`slot` itself without a
// group).
int32_t FirstSlotOfGroup(int32_t slot);

// True when `slot` is `lead` or a member of lead's group (a lead without a
// group has no other members).
bool InGroupOf(int32_t lead, int32_t slot);

// The selected two-point group: the first selected slot, unless another
// selected slot carries a different id; -1 for none.
int32_t SelectedLineGroupLead();
// The selected point group: the first selected point handle on a path; -1 for
// none.
int32_t SelectedPointGroupLead();

// Inserts `member` (a copy of lead's record, already edited) after lead's
// group, giving lead a new group id when it has none. Refused (false) when
// the table's last slot is in use.
bool InsertGroupMember(int32_t lead, RevisionHandle member);
// Removes the slot, moving the later slots down; a group left with one handle
// loses its id.
void RemoveGroupMember(int32_t slot);

// The first free slot, or -1.
int32_t FirstFreeHandleSlot();

// A change to the table: undo texts of the tool, then StoreGradingEdit; the
// caller then refreshes the list.
void StoreHandleChange(ToolHandle tool);
// A selection change that makes no undo step.
void StoreHandleSelection();

// The slots from `slot` to the end of its group's run (1 for a handle of its
// own).
int32_t GroupSlotCount(int32_t slot);
