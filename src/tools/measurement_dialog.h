// The measurement handle dialog: the names of the variables it fills.
#pragma once

#include "win_api.h"

INT_PTR MeasurementDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
