#include "tools/revision_tool_handlers.h"

HostErr RevisionToolEditOptions(ToolMessage*) { return kNoErr; }

HostErr RevisionToolTrackCursorEntry(ToolMessage*, int16_t) { return kNoErr; }

HostErr RevisionToolMouseDown() { return kNoErr; }

HostErr RevisionToolMouseDrag(ToolMessage*, int16_t) { return kNoErr; }

HostErr RevisionToolMouseUp(ToolMessage*, int16_t) { return kNoErr; }
