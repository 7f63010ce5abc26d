// Small texts of the grading preview: handle names beside their anchors and
// handle numbers along their lines, sized to the view zoom.
#pragma once

#include <cstdint>

#include "host_types.h"

// A left-justified label whose text starts at `at`.
void CreateTextLabel(ArtHandle group, const RealPoint& at, const char* text, int16_t highlight,
                     int16_t deselect);

// A centred label turned to the direction of a-b at its midpoint; on a small
// box unless offsetOnly, else just beside the line.
void CreateRotatedTextLabel(ArtHandle group, const RealPoint& a, const RealPoint& b, int16_t offsetOnly,
                            const char* text, int16_t highlight, int16_t deselect);
