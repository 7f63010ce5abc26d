#include "panels/variable_dialogs.h"

VariableDialogTransfer gVariableDialogTransfer;

int32_t ShowVariableListDialog(PluginRef, HWND__*, char*) { return 2; }

intptr_t VariableEditDlgProc(HWND__*, uint32_t, uintptr_t, intptr_t) { return 0; }
