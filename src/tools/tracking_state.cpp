#include "tools/tracking_state.h"

#include "common/plugin_globals.h"

namespace {

void ClearRecord(TrackingState& t, int16_t dragging) {
  t = TrackingState{};
  t.dragging = dragging;
  t.first.angle = kNoAngle;
  t.second.angle = kNoAngle;
  for (int i = 0; i < kHitRecords; ++i) {
    t.firstHits[i] = SnapHit{nullptr, kNoSegment};
    t.secondHits[i] = SnapHit{nullptr, kNoSegment};
  }
}

}  // namespace

void ResetDragStart() {
  TrackingState& t = gPlugin->tracking;
  t.dragging = 0;
  t.cursor = RealPoint{0, 0};
  t.modifiers = 0;
}

void SaveTrackingState() { gPlugin->trackingPrev = gPlugin->tracking; }

void ClearTrackingState() {
  ClearRecord(gPlugin->tracking, 0);
  ClearRecord(gPlugin->trackingPrev, kNothingDrawn);
}
