// The stretch of a member's outline between the two ends of a handle, as the
// preview draws it, and the place of its label.
#pragma once

#include <cstdint>

#include "host_types.h"

struct PreviewRun {
  PathSegment* segments;  // null when count is 0
  int32_t count;
};

// The run of the base outline between the anchors i1 and i2 of a handle, in
// the order the run passes them. Free it with FreePreviewRun.
PreviewRun BuildHandleRun(ArtHandle path, int32_t i1, int32_t i2);
void FreePreviewRun(PreviewRun* run);

double PreviewRunLength(const PreviewRun& run);

// A rotated label on the chord that passes half the run's length; none when
// no chord does.
void LabelAtHalfRun(ArtHandle group, const PreviewRun& run, const char* text, int16_t selected,
                    int16_t deselect);
