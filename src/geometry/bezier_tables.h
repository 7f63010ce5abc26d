// The precomputed cubic weights and the points of a cubic segment.
#pragma once

#include <cstdint>

#include "host_types.h"

// The four control points of the segment from s1 to s2.
struct CubicPoints {
  RealPoint p0, p1, p2, p3;
};

void BuildBezierWeightTables();

void EvaluateCubicBezier(const RealPoint& p0, const RealPoint& p1, const RealPoint& p2, const RealPoint& p3,
                         double t, RealPoint* out);

CubicPoints CubicOfSegments(const PathSegment& s1, const PathSegment& s2);
// Both handles on their anchors, by the host's exact point equality.
bool IsStraightSegment(const CubicPoints& c);

// Point of step k (0..64, resp. 0..32) from the weight tables in gPlugin.
RealPoint CubicStep64(const CubicPoints& c, int k);
RealPoint CubicStep32(const CubicPoints& c, int k);
