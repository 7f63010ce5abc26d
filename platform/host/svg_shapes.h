// The basic shapes (line, polyline, polygon, rect with or without rounded
// corners, circle, ellipse) as the paths SVG defines them to be.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "svg_path_data.h"

struct SvgViewport {
  double width, height;       // user units, for percentages
  double pixelsPerInch = 96;  // user units (px) of an inch, for lengths in other units
};

bool IsBasicShape(std::string_view element);

// The outline in the shape's own user units; nothing when the shape has no
// size to draw; false with the reason when an attribute cannot be read.
bool ShapeOutline(pugi::xml_node node, SvgViewport viewport, std::vector<SvgSubpath>* out, std::string* why);
