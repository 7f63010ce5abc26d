// The Information panel's list: one row for the basic settings while a piece
// is current, then one per handle or handle group, each carrying its slot.
#pragma once

#include <cstdint>

#include "common/plugin_globals.h"

struct HWND__;

// Paints one row; runs inside a host call (the deferred command 1001).
void PaintInfoPanelItem(const OwnerDrawRecord* item);

// Makes the rows match the handle table (only while the panel exists).
void RebuildInfList();

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

// The grouping items of the flyout menu by the selected handles.
void UpdateInfGroupingItems();

// The panel's platform window and its list, null while the panel is absent.
HWND__* InfPanelWindow();
HWND__* InfListWindow();
// The item data of a row (-1 for the basic-settings row).
intptr_t ListGetItemData(HWND__* list, int32_t row);
void ListSetItemData(HWND__* list, int32_t row, intptr_t value);
