// Reordering a panel list's rows by dragging them.
#pragma once

#include "win_types.h"

// Draws or erases the drop marker (drawing it twice leaves the list as it was).
void XorFrameRect(HWND list, const RECT* rect);
