// What the polling timer watches in the selection: the first selected path,
// the number of selected paths and their segments, and the serial of the
// grading group the selection belongs to. Preview layers are not counted.
#pragma once

#include <cstdint>

#include "host_types.h"

void ComputeSelectionSignature(ArtHandle* first, int32_t* count, int32_t* segments);
void AccumulateSelectedPaths(ArtHandle art, ArtHandle* first, int32_t* count, int32_t* segments);

// Serial of the grading group of the selection; 0 when there is none.
int32_t FindGradingOriginSerial();
// Appends every selected path at and below `art` to the heap array.
void CollectPathArts(ArtHandle art, ArtHandle** array, int32_t* count, int32_t depth);
