// Variable panel commands and its flyout menu.
#pragma once

#include <cstdint>

#include "host_types.h"

struct HWND__;

void RunVarPanelCommand(HWND__* panelWindow, uint16_t controlId, uint16_t notification);
void RunVarFlyoutCommand(uint32_t itemId);
void UpdateVarFlyoutState();
// Delete and Edit follow the list's current row.
void UpdateVarButtons(HWND__* panelWindow);

// Fills the Variable panel's list from the variable table.
void FillVarList();

// Moves a variable after a list drag.
void ReorderVariables(int32_t targetRow, int32_t targetTableRow, int32_t sourceRow, int32_t sourceTableRow);

// Runs the variable edit dialog on copies of the three fields; they are
// written back only when it ends with 1, which is returned.
intptr_t ShowVariableDialog(PluginRef pluginRef, char* name, char* value, uint32_t* isPrivate);

// The Update button in document mode: every titled piece graded anew.
void RunVarUpdateCommand();
void RegradePiecesUsingVariables(ArtHandle* arts, int32_t count);
