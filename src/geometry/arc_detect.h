// Recognising a cubic segment as a circular arc, and circles through points.
#pragma once

#include <cstdint>

#include "host_types.h"

// Centre and radius are written only when the segment is an arc.
int16_t DetectCircularArcInBezier(const PathSegment& s1, const PathSegment& s2, RealPoint* centre,
                                  double* radius);
// Radius is set to 0 first; 0 for points on one straight line.
int16_t CircleThroughThreePoints(const RealPoint& a, const RealPoint& b, const RealPoint& c,
                                 RealPoint* centre, double* radius);
