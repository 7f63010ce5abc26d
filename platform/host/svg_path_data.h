// Path data as drawing programs write it (every command, absolute and
// relative, implicit repeats, compact numbers), read into anchors and control
// points in the element's own coordinates: y down, no transform applied.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host_types.h"

struct SvgSubpath {
  std::vector<PathSegment> segments;
  bool closed = false;
};

// False with the reason when the data is broken.
bool ReadPathData(std::string_view d, std::vector<SvgSubpath>* out, std::string* why);
