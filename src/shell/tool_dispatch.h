// Tool messages, routed by the tool's slot to the revision tools or to the
// simple-grading family.
#pragma once

#include <cstdint>

#include "host_types.h"

HostErr DispatchToolEditOptions(ToolMessage* message);
HostErr DispatchToolTrackCursor(ToolMessage* message);
HostErr DispatchToolMouseDown(ToolMessage* message);
HostErr DispatchToolMouseDrag(ToolMessage* message);
HostErr DispatchToolMouseUp(ToolMessage* message);
HostErr DispatchToolSelect(ToolMessage* message);
HostErr DispatchToolDeselect(ToolMessage* message);

// RevisionToolIndex (1..6) of a tool, or 0 when it is none of the revision tools.
int16_t RevisionToolIndexOf(ToolHandle tool);
