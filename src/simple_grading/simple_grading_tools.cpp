#include "simple_grading/simple_grading_tools.h"

HostErr SimpleGradingToolEditOptions(ToolMessage*, int16_t) { return kNoErr; }

HostErr SimpleGradingToolTrackCursor(ToolMessage*, int16_t) { return kNoErr; }

HostErr SimpleGradingToolMouseDown() { return kNoErr; }

HostErr SimpleGradingToolMouseDrag(ToolMessage*, int16_t) { return kNoErr; }

HostErr SimpleGradingToolMouseUp(ToolMessage*, int16_t) { return kNoErr; }

void ShowSimpleGradingPreview(int16_t) {}

void ClearSimpleGradingPreview() {}
