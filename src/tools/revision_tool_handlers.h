// Handlers of the six revision tools, called by the tool routing with the
// tool's RevisionToolIndex (1 distance, 2 length, 3 point, 4 measurement,
// 5 arc, 6 angle).
#pragma once

#include <cstdint>

#include "host_types.h"

HostErr RevisionToolEditOptions(ToolMessage* message);
HostErr RevisionToolTrackCursorEntry(ToolMessage* message, int16_t toolIndex);
HostErr RevisionToolMouseDown();
HostErr RevisionToolMouseDrag(ToolMessage* message, int16_t toolIndex);
HostErr RevisionToolMouseUp(ToolMessage* message, int16_t toolIndex);

// Snaps the cursor, redraws the feedback and sets the cursor of the snap kind.
void RevisionToolTrackCursor(ToolMessage* message, int16_t toolIndex);
