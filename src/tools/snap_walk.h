// The walk of the snap searches: visible layers that are not preview layers,
// into groups and compound paths, past groups of other tools.
#pragma once

#include <cstdint>
#include <vector>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "host_types.h"
#include "store/tool_config_tag.h"

// Tests one path; a host error ends the walk.
using SnapPathTest = HostErr (*)(ArtHandle path, void* search);

// Visits art and, for a group or compound path, its children in order.
HostErr VisitSnapArt(ArtHandle art, SnapPathTest test, void* search);

// Gives the first art of every searched layer to VisitSnapArt, in host order.
// The walk ends after a layer once *kind is non-zero (kind may be null), or
// when a host call fails.
void WalkSnapLayers(SnapPathTest test, void* search, const int16_t* kind);

// A path's segments and whether it is closed; false when the host cannot give
// them.
bool ReadSnapPath(ArtHandle path, std::vector<PathSegment>* segments, bool* closed);

// Whether the path's control bounds, grown by the view tolerance, hold the
// point.
bool PathMayHold(ArtHandle path, const RealPoint& point);

// Index of the anchor where segment `index` starts (the closing segment, 0,
// starts at the last).
inline uint16_t SegmentStart(uint16_t index, size_t count) {
  return index == 0 ? static_cast<uint16_t>(count - 1) : static_cast<uint16_t>(index - 1);
}

// Copies the records found to the caller's list; the rest of it becomes empty.
void CopySnapHits(const SnapHit* found, int16_t count, int16_t maxHits, SnapHit* hits);
