// Moving the ends of a distance or angle handle.
#pragma once

#include <cstdint>

#include "host_types.h"

// Moves a and/or b in the frame of centre and angle: direction 0 along the
// handle, 1 horizontal, 2 vertical, 3 along the grading direction, 4 none,
// 5 and above horizontal in a measurement frame. With moving 0 the distance
// a-b is multiplied by ratio, otherwise the end(s) move by |a b| * ratio.
void MovePointForDistance(RealPoint* a, RealPoint* b, const RealPoint& centre, double angle, double ratio,
                          int16_t moving, int16_t direction, int16_t bothEnds);

// Distance from p to the segment a-b; foot (optional) gets its nearest point.
double PointSegmentDistance(const RealPoint& a, const RealPoint& b, const RealPoint& p, RealPoint* foot);

// 1.0 for x >= 0 and for a NaN, else -1.0.
double SignAsDouble(double x);

void RotateAboutPoint(RealPoint* point, const RealPoint& centre, double angle);
