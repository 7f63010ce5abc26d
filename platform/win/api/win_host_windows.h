// Windows the host application owns, made for it by the stand-in system: its main window, the
// document windows (titles such as "pattern.svg @ 100%") with their view area, and the plain child
// window that each panel gives the module to fill and subclass.
#pragma once

#include "win_types.h"

HWND CreateHostMainWindow(LPCSTR title, int width, int height);
// A top-level document window with one child view area filling it; returns the document window.
HWND CreateHostDocumentWindow(HWND mainWindow, LPCSTR title, int x, int y, int width, int height);
HWND GetHostDocumentView(HWND documentWindow);
HWND CreateHostPanelWindow(HWND mainWindow, LPCSTR title, int width, int height);
