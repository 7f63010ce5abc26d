#include "tools/handle_selection.h"

void ClickRevisionHandles(ToolMessage*, int16_t) {}

void MarqueeRevisionHandles(ToolMessage*, int16_t) {}

void DragRevisionHandleMark(ToolMessage*, int16_t) {}
