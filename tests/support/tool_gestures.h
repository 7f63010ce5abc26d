// What the user does in the document window with a tool, and the art group a
// new piece goes into.
#pragma once

#include <cstdint>

#include "host_types.h"

namespace vmtest {

// The pointer comes to `from`, presses, drags to `to` and lets go there.
void DragTool(RealPoint from, RealPoint to, uint32_t modifiers = 0);

// The art group of the current layer; the module's suites must be held.
ArtHandle CurrentLayerGroup();

}  // namespace vmtest
