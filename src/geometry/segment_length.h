// Lengths, points and directions along a cubic segment.
#pragma once

#include <cstdint>

#include "host_types.h"

double BezierSegmentLength(const PathSegment& s1, const PathSegment& s2);
// BezierSegmentLength(s1, s2) <= limit, without summing past the limit.
bool BezierSegmentLengthWithin(const PathSegment& s1, const PathSegment& s2, double limit);
// Length from the first anchor to stop (moved onto the segment), or of the whole segment.
double LengthAlongSegment(const PathSegment& s1, const PathSegment& s2, RealPoint* stop);
// 1 with the point at that distance from the first anchor and the direction of travel
// there; 0 and nothing written when the segment is shorter.
int16_t PointAtLengthOnSegment(const PathSegment& s1, const PathSegment& s2, double distance,
                               RealPoint* point, double* angle);
double BezierAngleAt(const RealPoint& p0, const RealPoint& p1, const RealPoint& p2, const RealPoint& p3,
                     double t);
double BezierParameterOfPoint(const RealPoint& p0, const RealPoint& p1, const RealPoint& p2,
                              const RealPoint& p3, const RealPoint& p);
