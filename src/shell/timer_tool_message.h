// A tool message built from scratch, for routing a tool's select and deselect
// from the timer.
#pragma once

#include "common/plugin_globals.h"
#include "host_types.h"

LayoutRect RectZero();
LayoutRect RectInit(int32_t a, int32_t b, int32_t c, int32_t d);

// A message for `tool` carrying pluginRef and the call's record, cursor at the
// origin, no event.
ToolMessage MakeTimerToolMessage(const SPMessageData& call, ToolHandle tool);
