// Drawing a cubic segment into the document window.
#pragma once

#include "host_types.h"
#include "win_types.h"

// A polyline of the 32-step points, in window pixels of the document's first view.
void DrawBezierInView(HDC dc, const RealPoint& p0, const RealPoint& p1, const RealPoint& p2,
                      const RealPoint& p3);
