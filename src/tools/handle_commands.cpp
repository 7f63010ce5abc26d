#include "tools/handle_commands.h"

void RunInfPanelCommand(HWND__*, uint16_t, uint16_t) {}
