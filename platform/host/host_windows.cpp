// Where the host meets the Windows-shaped layer: its main window, the module
// instance and the panels' platform windows.
#include "host_model.h"

namespace {

// Stand-ins until the Windows-shaped layer offers real windows: distinct
// addresses that nothing dereferences.
char gInstanceTag;
char gMainWindowTag;

}  // namespace

HINSTANCE__* ModuleInstanceOf(HostPlugin*) { return reinterpret_cast<HINSTANCE__*>(&gInstanceTag); }

HWND__* HostMainWindow() { return reinterpret_cast<HWND__*>(&gMainWindowTag); }

HWND__* NewPanelWindow(HostPanel*) { return nullptr; }

void DestroyPanelWindow(HWND__*) {}

void ShowPanelWindow(HWND__*, bool) {}
