// The basic settings dialog: origin, angle, the current preset's standard
// scale and its lock, compilation scale, group name and display unit, edited
// in place in the globals record.
#pragma once

#include <cstdint>

#include "win_api.h"

// The unit the origin fields are currently shown in (0 mm, 1 cm, 2 in).
extern int16_t dialogUnit;

// Runs the dialog modally; 1 for OK, 2 for Cancel.
int32_t RunBasicSettingsDialog();

INT_PTR BasicSettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendBasicSettingsDlgItemMessage(HWND dialog, int control, UINT message, WPARAM wParam, LPARAM lParam);
// Adds `count` string-table entries from `firstStringId` (their English copies
// for the English UI) to a combo box, leaving out those that begin with "-".
void FillBasicSettingsCombo(HWND dialog, int control, int firstStringId, int count);

// The dialog as a command on the current piece: on OK the current preset's
// scale pair goes with the group, the undo texts are set, the preview is
// rebuilt and the group saved. Returns the dialog's result.
int32_t EditBasicSettings();
