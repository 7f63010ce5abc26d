// The graded outline of one member path of the current piece for the current
// preset: the base scale, then the revision handles in slot order.
#pragma once

#include <cstdint>

#include "host_types.h"

// One segment of a graded path, laid out as the host's path segment so that
// it can be handed to the path suite as it is.
using GradedSegment = PathSegment;

// One member path as the engine grades it.
struct ArtSegments {
  int32_t closed;
  int16_t segmentCount;
  GradedSegment* segments;  // null when segmentCount is 0
};

// One pass over the current piece: every entry of pieceArts graded, in that
// order. A pass run after it may grade otherwise when this one changed what a
// pass reads (a measured variable's text, a handle's ends turned round) or
// failed an amount (whose alert a later pass may no longer show).
struct PieceGrading {
  ArtSegments* members;
  int32_t count;
  bool changedInputs;
  bool failedAmounts;

  bool Unsettled() const { return changedInputs || failedAmounts; }
};

// Applies the base transform and the handles of slots 0 to lastSlot (a group
// begun at or before lastSlot is applied whole) to every member at once.
PieceGrading GradeWholePiece(int32_t lastSlot);
void FreePieceGrading(PieceGrading* grading);
// The graded member that stands for art (its first entry in pieceArts), or null.
ArtSegments* GradedMember(const PieceGrading& grading, ArtHandle art);

// One pass, of which targetArt's graded segments are kept: as many as the host
// reports for it, or null when targetArt is no member of the current piece or
// has no segments. The caller frees the array with std::free.
GradedSegment* ComputeGradedSegments(ArtHandle targetArt, int32_t lastSlot);
