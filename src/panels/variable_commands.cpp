#include "panels/variable_commands.h"

void RunVarPanelCommand(HWND__*, uint16_t, uint16_t) {}

void RunVarFlyoutCommand(uint32_t) {}

void UpdateVarFlyoutState() {}

void FillVarList() {}

void ReorderVariables(int32_t, int32_t, int32_t, int32_t) {}
