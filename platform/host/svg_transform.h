// Transform lists and lengths with units, as SVG writes them.
#pragma once

#include <string_view>

#include "host_types.h"

// A CSS pixel is 1/96 inch; a point 1/72.
constexpr double kPointsPerPixel = 0.75;

// matrix, translate, scale, rotate (with or without a centre), skewX and skewY,
// in order; false when the list is malformed.
bool ReadTransform(std::string_view text, RealMatrix* out);

// A length in units of which `perInch` make an inch (SVG's user units, px; 72:
// points): a number with px, pt, pc, mm, cm, in or no unit (px, of which
// `pixelsPerInch` make an inch); a percentage is of `whole`. False for anything else.
bool ReadLength(std::string_view text, double whole, double* out, double perInch = 96, double pixelsPerInch = 96);
