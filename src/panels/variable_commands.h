// Variable panel commands and its flyout menu.
#pragma once

#include <cstdint>

struct HWND__;

void RunVarPanelCommand(HWND__* panelWindow, uint16_t controlId, uint16_t notification);
void RunVarFlyoutCommand(uint32_t itemId);
void UpdateVarFlyoutState();

// Fills the Variable panel's list from the variable table.
void FillVarList();

// Moves a variable after a list drag.
void ReorderVariables(int32_t targetRow, int32_t targetTableRow, int32_t sourceRow, int32_t sourceTableRow);
