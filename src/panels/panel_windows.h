// The Information and Variable panels: creation and their host callbacks.
#pragma once

#include "host_types.h"

struct HWND__;

constexpr const char* kInfPanelId = "Vestamark_INF_PANEL";
constexpr const char* kVarPanelId = "Vestamark_VAR_PANEL";

void CreateInfPanel(NotifierMessage* message);
void CreateVarPanel(NotifierMessage* message);
void InstallInfPanelCallbacks();
void InstallVarPanelCallbacks();

// Host callbacks, called outside any host call.
void OnInfFlyoutItem(PanelHandle panel, uint32_t itemId);
void OnVarFlyoutItem(PanelHandle panel, uint32_t itemId);
void OnInfPanelResize(PanelHandle panel);
void OnVarPanelResize(PanelHandle panel);

// Repaints the Variable panel's list, when the panel exists.
void InvalidateVarList();

// Polls run by the timer on every tick, each given the Variable and the
// Information panel's window (null when that panel is absent or hidden).
void UpdatePanelButtonToolTip(HWND__* varWindow, HWND__* infWindow);
void TrackPanelListDrag(HWND__* varWindow, HWND__* infWindow);

