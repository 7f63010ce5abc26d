// What every dialog procedure does when its dialog opens.
#pragma once

struct HWND__;

// Centres the dialog on the desktop and keeps it above other windows.
void PlaceDialogCentredOnTop(HWND__* dialog);
