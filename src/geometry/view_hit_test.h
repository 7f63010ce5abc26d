// Hit tests within two screen pixels of the document's first view.
#pragma once

#include <cstdint>

#include "host_types.h"

// Only a segment recognised as a circular arc can take the point.
int16_t HitTestSegmentInView(RealPoint* p, const PathSegment& s1, const PathSegment& s2);
// Only a straight segment can take the point.
int32_t HitTestSegmentInViewAlt(RealPoint* p, const PathSegment& s1, const PathSegment& s2);
// On a hit the point becomes the target.
int32_t IsPointNearPointInView(RealPoint* p, const RealPoint& target);
int32_t IsPointNearRectCenterInView(RealPoint* p, const RealRect& rect);
int32_t IsPointInRectInView(const RealPoint& p, const RealRect& rect);
