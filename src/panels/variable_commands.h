// The Variable panel's list and buttons, and its flyout's preset items.
#pragma once

#include <cstdint>

#include "host_types.h"

struct HWND__;

void RunVarPanelCommand(HWND__* panelWindow, uint16_t controlId, uint16_t notification);
void UpdateVarFlyoutState();
// Delete and Edit follow the list's current row.
void UpdateVarButtons(HWND__* panelWindow);

// Fills the Variable panel's list from the variable table.
void FillVarList();

// Moves a variable after a list drag.
void ReorderVariables(int32_t targetRow, int32_t targetTableRow, int32_t sourceRow, int32_t sourceTableRow);
