// The revision tools' mouse-tracking record: what a snap found, what the
// feedback drew last, and the codes both carry.
#pragma once

#include <cstdint>

// SnapKind: the result of one snap (the searches themselves set 2 to 7).
constexpr int16_t kSnapKindNone = 0;
constexpr int16_t kSnapKindFree = 1;
constexpr int16_t kSnapKindHandleLine = 8;  // a handle line, a point handle or the origin arrow
constexpr int16_t kSnapKindHandleEnd = 9;   // a handle end, the origin or the arrow end

// HandleHitCode: which mark of the origin or of a handle was hit.
enum HandleHitCode : int16_t {
  kHitNone = 0,
  kHitFirstEnd = 1,
  kHitSecondEnd = 2,
  kHitHandleLine = 3,
  kHitPointHandle = 4,
  kHitOrigin = 11,
  kHitArrowEnd = 12,
  kHitArrowLine = 13,
};

// trackingPrev.dragging after a clear: nothing is drawn.
constexpr int16_t kNothingDrawn = static_cast<int16_t>(0xFFFF);

// Ends a drag: dragging 0, cursor (0, 0), modifiers 0.
void ResetDragStart();
// trackingPrev := tracking.
void SaveTrackingState();
// Both records back to their empty state.
void ClearTrackingState();
