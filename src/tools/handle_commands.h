// Commands of the Information panel's buttons on the revision handles.
#pragma once

#include <cstdint>

struct HWND__;

void RunInfPanelCommand(HWND__* panelWindow, uint16_t controlId, uint16_t notification);
