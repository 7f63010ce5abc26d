// The snapping driver of the revision tools: the working point of the
// tracking record moved onto handle marks, the origin, the snap targets of
// the document's art or the grid, and turned to 45-degree steps with Shift.
#pragma once

#include <cstdint>

#include "host_types.h"

// Snaps gPlugin->tracking.cursor and records the result: while dragging in
// `second` only, else in `first` and `second` with the handle hit.
void SnapCursorPoint(int16_t dragging, int16_t* kind);

struct SnapHit;
// Records a snapped point of that kind as snapKind and in `second`; unless
// dragging also in `first` with the hit mark (slot, HandleHitCode).
void RecordSnappedCursor(const RealPoint& p, int16_t kind, const SnapHit& hit, int16_t dragging,
                         uint32_t slot, int16_t code, int16_t* kindOut);

// Hit test against the origin marks (when grading_selected equals the flag)
// and the handles whose list selection equals it. Returns the HandleHitCode;
// on a hit the point moves onto the mark and kind and slot are set.
int16_t SnapToRevisionHandles(RealPoint* point, int16_t* kind, uint32_t* slot, int16_t selected);

// Rounds to whole grid steps of flGrWidth by flGrHeight.
void SnapPointToGrid(RealPoint* point);
// Turns p about ref to the nearest multiple of 45 degrees, keeping its distance.
void ConstrainTo45Degrees(const RealPoint& ref, RealPoint* p);

// The end of the grading-direction arrow: origin + grading length along the grading angle.
RealPoint GradingArrowEnd();
