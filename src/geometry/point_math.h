// Planar functions on document points: copies, angles, distances, line
// meetings, the nearest point of a segment and the circle of two end tangents.
#pragma once

#include <cstdint>

#include "host_types.h"

void CopyPoint(const RealPoint& source, RealPoint* destination);
// Both coordinates pass through single precision.
void ToRealPoint(const RealPoint& source, RealPoint* destination);
double AngleOf(const RealPoint& p0, const RealPoint& p1);
double DistanceBetween(const RealPoint& a, const RealPoint& b);

// Line 1 runs along p1->p2 through q, line 2 along p3->p4 through r.
// 0 for parallel lines, with out = r.
int32_t IntersectLines(const RealPoint& p1, const RealPoint& p2, const RealPoint& q, const RealPoint& p3,
                       const RealPoint& p4, const RealPoint& r, RealPoint* out);

// A direction at right angles to a->b.
RealPoint NormalOf(const RealPoint& a, const RealPoint& b);
// Foot of the perpendicular from p on the line a-b (a != b).
RealPoint FootOnLine(const RealPoint& a, const RealPoint& b, const RealPoint& p);

// Distance from p to the segment a-b; foot (optional) gets the nearest point.
double PointSegmentDistance2(const RealPoint& a, const RealPoint& b, const RealPoint& p, RealPoint* foot);

// The circle touching the handle line of s1 at its anchor and that of s2 at its anchor.
int16_t CircleFromTwoChords(const PathSegment& s1, const PathSegment& s2, RealPoint* centre, double* radius);

int16_t SameSideOfPointList(const RealPoint* list, int32_t count, const RealPoint& p);
