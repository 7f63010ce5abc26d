#include "panels/panel_windows.h"

void CreateInfPanel(NotifierMessage*) {}

void CreateVarPanel(NotifierMessage*) {}

void UpdatePanelButtonToolTip(HWND__*, HWND__*) {}

void TrackPanelListDrag(HWND__*, HWND__*) {}
