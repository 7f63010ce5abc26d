// The dialog that asks which preset receives the current preset's amounts.
#pragma once

#include <cstdint>

#include "common/grading_records.h"
#include "host_types.h"
#include "win_api.h"

// The name carried into and out of the dialog: 80 bytes and a NUL.
extern char CopyPresetTransfer[kNameSize];

// `name` (at least 81 bytes) proposes a preset and receives the chosen one on
// OK (1); Cancel (2) leaves it as it was.
intptr_t ShowCopyPresetDialog(PluginRef pluginRef, char* name);

INT_PTR CopyPresetDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendCopyPresetDlgItemMessage(HWND dialog, int control, UINT message, WPARAM wParam, LPARAM lParam);
void AddCopyPresetComboString(HWND dialog, int control, const char* text);
