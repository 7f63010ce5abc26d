// Snapping, edge hits and inverted-pixel feedback of the simple-grading tools.
#pragma once

#include <cstdint>

#include "host_types.h"
#include "win_types.h"

// Which part of the kind's block lies under the point: 1 left, 2 top, 3 right,
// 4 bottom edge, 5 a vertical and 6 a horizontal divider; 0 none.
int16_t HitTestObjectBoundsEdge(const RealPoint& point, int16_t kind);

// Snaps the working point and records it; `state` gets the snap state, raised
// by 10 or 20 on a block's edge or divider.
void SnapAndHitTestCursor(int16_t dragging, int16_t* state, int16_t kind);
int32_t SimpleGradingCursorId(int16_t state);

// The drag state from the tracking record: the block being drawn or edited,
// its dividers and object point; the kind's percentages follow it.
void UpdateSimpleGradingDragState(int16_t kind);

// Erases the last feedback, draws the current one, then saves the tracking
// record.
void DrawSimpleGradingFeedback(int16_t kind);

struct WindowDivider {
  POINT at;
  int horizontal;
};
void DrawBlockOutlineWithDividers(HDC dc, const RECT& rect, const WindowDivider* divider1,
                                  const WindowDivider* divider2);
