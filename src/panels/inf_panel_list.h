// The Information panel's list.
#pragma once

#include "shell/plugin_globals.h"

void PaintInfoPanelItem(const OwnerDrawRecord* item);

// Makes the rows match the handle table (only while the panel exists).
void RebuildInfList();

struct HWND__;

// Enables the controls that depend on the selected tool.
void UpdateToolDependentState(HWND__* window);
// Moves a handle (with its group) after a list drag.
void ReorderRevisionHandles(int32_t targetRow, int32_t targetSlot, int32_t sourceRow, int32_t sourceSlot);
// Inserts the row of a handle just created in `slot`.
void InsertHandleRow(int32_t slot);
// Copies the handles' selection flags into the rows and sets the buttons and
// flyout items that need a selection.
void SyncInfSelection();
// Repaints the list without erasing.
void InvalidateInfList();
