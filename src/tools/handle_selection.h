// Mouse-up gestures of the revision tools on existing handles: a click, a
// marquee, and a drag that starts on a mark. Each ends with the tracking
// record as the caller left it; the caller clears it.
#pragma once

#include <cstdint>

#include "host_types.h"

// The drag start equals the second point.
void ClickRevisionHandles(ToolMessage* message, int16_t toolIndex);
// A drag off the marks with the point tool, or with Alt and the distance,
// length or angle tool.
void MarqueeRevisionHandles(ToolMessage* message, int16_t toolIndex);
// A drag whose start hit a handle or origin mark.
void DragRevisionHandleMark(ToolMessage* message, int16_t toolIndex);
