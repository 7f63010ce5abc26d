// Finding the host's document view area, on which the tools draw their
// inverted-pixel feedback.
#pragma once

#include "win_api.h"

constexpr int kWindowsUnderPointMax = 32;

// The smallest visible window under a point a third into the document window, or null.
HWND FindDocumentViewWindow();

// Adds window and its visible descendants that contain probe (screen) to list,
// kept largest first (width plus height), at most kWindowsUnderPointMax.
void CollectWindowsUnderPoint(HWND window, POINT probe, HWND* list, int* count);
