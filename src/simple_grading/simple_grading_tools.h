// Handlers of the simple-grading tool family, called with the tool's mode
// (0 size chart and table, 1 front body, 2 back body, 3 sleeve, 4 measurement).
#pragma once

#include <cstdint>

#include "host_types.h"

HostErr SimpleGradingToolEditOptions(ToolMessage* message, int16_t kind);
HostErr SimpleGradingToolTrackCursor(ToolMessage* message, int16_t kind);
HostErr SimpleGradingToolMouseDown();
HostErr SimpleGradingToolMouseDrag(ToolMessage* message, int16_t kind);
HostErr SimpleGradingToolMouseUp(ToolMessage* message, int16_t kind);
// Snaps, draws the feedback and sets the cursor; both tracking messages come
// here.
void SimpleGradingTrackCursor(ToolMessage* message, int16_t kind);
void ShowSimpleGradingPreview(int16_t kind);
void ClearSimpleGradingPreview();
