// The procedures that the panels' platform windows are subclassed with.
#pragma once

#include "win_types.h"

LRESULT InfoPanelWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT VariablePanelWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
