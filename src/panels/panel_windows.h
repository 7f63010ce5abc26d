// The Information and Variable panels: creation and their host callbacks.
#pragma once

#include "host_types.h"

void CreateInfPanel(NotifierMessage* message);
void CreateVarPanel(NotifierMessage* message);

struct HWND__;

// Polls run by the timer on every tick, each given the Variable and the
// Information panel's window (null when that panel is absent or hidden).
void UpdatePanelButtonToolTip(HWND__* varWindow, HWND__* infWindow);
void TrackPanelListDrag(HWND__* varWindow, HWND__* infWindow);
