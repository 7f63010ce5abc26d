// A new revision handle from a drag of a revision tool, and the anchor hit
// tests the handle edits share.
#pragma once

#include <cstdint>

#include "common/grading_records.h"
#include "host_types.h"

// RevisionToolIndex: the tool index the routing passes to every handler.
enum RevisionToolIndex : int16_t {
  kToolDistance = 1,
  kToolLength = 2,
  kToolPoint = 3,
  kToolMeasurement = 4,
  kToolArc = 5,
  kToolAngle = 6,
};

// An anchor of the current piece's paths (of more than one anchor).
struct PieceAnchorHit {
  ArtHandle art;
  int32_t index;
  RealPoint anchor;
};
// The first anchor of the piece, in member and anchor order, whose |dx| and
// |dy| from the point are both below 5 screen pixels.
bool FindPieceAnchor(const RealPoint& point, PieceAnchorHit* hit);

// Moves each end of the handle onto the first anchor of the piece within
// 5 screen pixels, with that path and anchor index; an end with none keeps
// its point and gets no path.
void HitTestHandleEndpoints(RevisionHandle* handle);
// The record becomes an empty point handle on the first anchor of the piece
// within 5 screen pixels of the point (no path when there is none).
void HitTestAnchorPoint(const RealPoint& point, RevisionHandle* handle);

// The names of a new measurement handle's target variables, registered in
// the variable table; without a free letter the names stay empty.
void NameMeasurementVariables(RevisionHandle* handle);

// A drag off every mark with the distance, length, measurement, arc or angle
// tool, from the drag start to the second point of the tracking record.
void CreateHandleFromDrag(ToolHandle tool, int16_t toolIndex);
