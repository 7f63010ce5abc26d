// The amount dialog of distance, length, arc, angle and plain handles.
#pragma once

#include "win_api.h"

INT_PTR RevisionAmountDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
