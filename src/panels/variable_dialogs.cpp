#include "panels/variable_dialogs.h"

VariableDialogTransfer gVariableDialogTransfer;

intptr_t VariableEditDlgProc(HWND__*, uint32_t, uintptr_t, intptr_t) { return 0; }
