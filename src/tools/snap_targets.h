// The searches that move the revision tools' working point onto something in
// the document's art: anchors, intersections, bounds centres, paths and the
// normal or tangent at the drag start. A search that finds nothing leaves the
// point and the kind as they were; the list forms then fill every record with
// {null, kNoSegment}.
#pragma once

#include <cstdint>

#include "common/plugin_globals.h"
#include "host_types.h"

// Snap kinds the searches set.
constexpr int16_t kSnapKindAnchor = 2;
constexpr int16_t kSnapKindIntersection = 3;
constexpr int16_t kSnapKindOnPath = 4;
constexpr int16_t kSnapKindNormal = 5;
constexpr int16_t kSnapKindTangent = 6;
constexpr int16_t kSnapKindBoundsCentre = 7;

constexpr SnapHit kNoSnapHit{nullptr, kNoSegment};

// List searches: up to maxHits records are written.
void SnapToAnchorPoints(RealPoint* point, int16_t* kind, int16_t maxHits, SnapHit* hits);
void SnapToIntersections(RealPoint* point, int16_t* kind, int16_t maxHits, SnapHit* hits);
void SnapToBoundsCentre(RealPoint* point, int16_t* kind, int16_t maxHits, SnapHit* hits);

// The hit record is written only on a hit.
void SnapToPath(RealPoint* point, int16_t* kind, SnapHit* hit);
void SnapToPathInArt(ArtHandle art, RealPoint* point, int16_t* kind, SnapHit* hit);
// Only segments recognised as circular arcs take the point.
void HitTestSegment(RealPoint* point, int16_t* kind, SnapHit* hit);

// While dragging from a path: onto the normal or the tangent through the drag
// start. Keeps the normal's direction in gPlugin->tracking.first.angle.
void SnapToPerpendicular(RealPoint* point, int16_t* kind);

// Whole steps of flGrDistance: 0 from the line first-second, 1 vertical or
// horizontal by the direction, 2 horizontal, 3 from the path both ends lie on.
void SnapToDistanceSteps(RealPoint* point, int16_t mode);

// 1 with the first records of firstHits and secondHits that name the same path.
int16_t FindHitPairInTables(SnapHit* a, SnapHit* b);

// Distance from p to the segment s1-s2, the nearest point (optional) and the
// side: 1 when p lies to the left of the direction of travel.
double ComputeHitPairMeasure(const PathSegment& s1, const PathSegment& s2, const RealPoint& p,
                             RealPoint* nearest, int16_t* side);

// Total length of the selected parts of the selected paths, in points.
double SumSelectedLength();
