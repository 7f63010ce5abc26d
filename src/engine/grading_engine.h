// The graded outline of one member path of the current piece for the current
// preset: the base scale, then the revision handles in slot order.
#pragma once

#include <cstdint>

#include "host_types.h"

// One segment of a graded path, laid out as the host's path segment so that
// it can be handed to the path suite as it is.
using GradedSegment = PathSegment;

// Applies the base transform and the handles of slots 0 to lastSlot (a group
// begun at or before lastSlot is applied whole). Returns targetArt's graded
// segments, as many as the host reports for it, or null when targetArt is no
// member of the current piece or has no segments. The caller frees the array
// with std::free.
GradedSegment* ComputeGradedSegments(ArtHandle targetArt, int32_t lastSlot);
