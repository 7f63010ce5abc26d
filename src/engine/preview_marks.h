// The strokes of the grading preview: annotation style, straight paths and
// the circle and square markers.
#pragma once

#include <cstdint>

#include "host_types.h"

// The zoom that preview sizes are divided by (1.0 while the view reports none
// above zero).
double PreviewZoom();

HostColor ProcessColor(double c, double m, double y, double k);
// 50 % cyan, or red for what belongs to a selected handle.
HostColor AnnotationColor(int16_t selected);

// A straight segment: both control points on the anchor, corner flag set.
PathSegment CornerSegment(double h, double v);

// A new path as the topmost child of group, stroked in the annotation colour
// with width widthFactor / zoom; deselected when the build asks for it. Null
// when there is no group or the host refuses.
ArtHandle DrawAnnotationPath(ArtHandle group, const PathSegment* segments, int16_t count, int32_t closed,
                             int16_t selected, double widthFactor);
ArtHandle DrawAnnotationLine(ArtHandle group, const RealPoint& a, const RealPoint& b, int16_t selected);
// An X through the point, 5 / zoom along each diagonal from it.
void DrawEndCross(ArtHandle group, const RealPoint& at, int16_t selected);

// A closed circle (diameter size) or square (side size) centred on (x, y).
void DrawPreviewMarker(ArtHandle group, double x, double y, double size, int16_t square, int16_t selected);
