#include "panels/variable_dialogs.h"

int32_t ShowVariableListDialog(PluginRef, HWND__*, char*) { return 2; }
