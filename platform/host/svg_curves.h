// Curves of SVG as cubic pieces: quadratics exactly, elliptical arcs in pieces
// of at most a quarter turn whose ends lie on the ellipse.
#pragma once

#include <vector>

#include "host_types.h"

struct CubicPiece {
  RealPoint c1, c2, p;  // control points and end; the start is the point before
};

CubicPiece QuadraticAsCubic(RealPoint from, RealPoint control, RealPoint to);

// An arc in SVG's endpoint form (radii, x-axis rotation in degrees, the two
// flags, end point). Radii too small to reach are grown as SVG grows them.
// Nothing when the ends are the same point; the caller draws a line when a
// radius is zero.
std::vector<CubicPiece> ArcAsCubics(RealPoint from, double rx, double ry, double degrees, bool large, bool sweep,
                                    RealPoint to);
