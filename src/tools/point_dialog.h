// The point handle dialog: offset, move and coordinate of one anchor.
#pragma once

#include "win_api.h"

INT_PTR PointRevisionDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
