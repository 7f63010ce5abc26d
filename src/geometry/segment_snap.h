// Moving a point onto a straight segment, a circular arc or a curve when it
// lies within a tolerance.
#pragma once

#include <cstdint>

#include "host_types.h"

// Moves p along one axis onto the line a-b.
int32_t SnapPointToLineSegment(RealPoint* p, const RealPoint& a, const RealPoint& b, double tol);
// Moves p to its nearest point on the segment a-b.
int16_t PerpendicularFootOnSegment(RealPoint* p, const RealPoint& a, const RealPoint& b, double tol);
int16_t SnapPointToBezierSegment(RealPoint* p, const PathSegment& s1, const PathSegment& s2, double tol,
                                 int16_t allowCurve);
// With the view tolerance.
int32_t SnapPointToPathSegment(RealPoint* p, const PathSegment& s1, const PathSegment& s2,
                               int16_t allowCurve);

// Whether an angle seen from the centre lies on the shorter arc from p0 to p3,
// across the -pi/pi seam as well.
int16_t AngleInArcRange(const RealPoint& centre, const RealPoint& p0, const RealPoint& p3, double angle);
