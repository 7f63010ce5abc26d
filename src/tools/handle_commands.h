// Commands of the Information panel's list and buttons on the revision handles.
#pragma once

#include <cstdint>

struct HWND__;

// Control 1 is the list, 3 Delete, 4 Edit, 5 Lock, 6 Update; other ids do nothing.
void RunInfPanelCommand(HWND__* panelWindow, uint16_t controlId, uint16_t notification);

// Copies the rows' selection into the handle table, then enables Delete, Edit
// and the grouping items by it; a changed selection rebuilds the preview
// without an undo step.
void UpdateInfButtons(HWND__* panelWindow);

// The list's current row, or -1 when skip is non-zero.
int32_t ListGetCurSel(HWND__* list, int16_t skip);

// Deletes the handle group of the current row (not the basic-settings row).
void DeleteSelectedHandles(HWND__* panelWindow);

// Delete and Edit are usable exactly while the current row is a handle row.
void EnableInfHandleButtons(HWND__* panelWindow);
