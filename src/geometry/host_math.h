// Geometry that asks the host: exact point equality, rectangle overlap and the
// zoom of the document's first view.
#pragma once

#include <cstdint>

#include "host_types.h"

int32_t HostPointsEqual(const RealPoint& a, const RealPoint& b);
int32_t RealRectsOverlap(const RealRect& a, const RealRect& b, RealRect* out);

// The document's first view, null without one.
DocViewHandle FirstView();
// Its zoom; 1.0 when there is no view.
double FirstViewZoom();
// Screen pixels in document points at a zoom (at a zoom of 0 or below:
// -pixels * zoom).
double ScreenPixelsToPoints(double pixels, double zoom);
// Two screen pixels in document points at the first view's zoom.
double ViewTolerance();
