// The two ends of a two-point handle: each a point, the path it lies on (null
// for a free end) and the anchor's index on it.
#pragma once

#include "common/grading_records.h"

// End 1 and end 2 change places.
void SwapHandleEnds(TwoPointHandleData& line);

// A handle with a free end keeps it first: when end 2 is free the ends change
// places and end 1 is left free with index 0. False when end 2 lies on a path
// and nothing changed.
bool PutEndOnPathSecond(TwoPointHandleData& line);
