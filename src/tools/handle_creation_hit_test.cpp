// Anchors of the current piece near a point, for the ends of a new or moved handle.
#include <cstring>
#include <vector>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "geometry/host_math.h"
#include "tools/handle_creation.h"

namespace {

constexpr double kAnchorPixels = 5.0;

// The zoom of the view the feedback marks anchors in, so that a circled end
// is the end that lands on the anchor.
double AnchorTolerance() {
  const double zoom = FirstViewZoom();
  return zoom > 0 ? kAnchorPixels / zoom : 0;
}

// |dx| and |dy| both below the tolerance: a square about b.
bool WithinSquare(const RealPoint& a, const RealPoint& b, double tolerance) {
  const double dx = a.h - b.h, dy = a.v - b.v;
  return (dx < 0 ? -dx : dx) < tolerance && (dy < 0 ? -dy : dy) < tolerance;
}

}  // namespace

bool FindPieceAnchor(const RealPoint& point, PieceAnchorHit* hit) {
  const PluginGlobals& g = *gPlugin;
  if (g.pieceArts == nullptr || sAIPath == nullptr) return false;
  const double tolerance = AnchorTolerance();
  std::vector<PathSegment> segments;
  for (int32_t m = 0; m < g.pieceArtCount; ++m) {
    ArtHandle art = g.pieceArts[m];
    int16_t count = 0;
    if (art == nullptr || sAIPath->GetPathSegmentCount(art, &count) != kNoErr || count <= 1) continue;
    segments.resize(count);
    if (sAIPath->GetPathSegments(art, 0, count, segments.data()) != kNoErr) continue;
    for (int16_t i = 0; i < count; ++i) {
      if (WithinSquare(segments[i].p, point, tolerance)) {
        *hit = {art, i, segments[i].p};
        return true;
      }
    }
  }
  return false;
}

void HitTestHandleEndpoints(RevisionHandle* handle) {
  TwoPointHandleData& line = handle->line;
  line.art1 = line.art2 = nullptr;
  line.index1 = line.index2 = 0;
  PieceAnchorHit hit;
  if (FindPieceAnchor(line.p1, &hit)) {
    line.p1 = hit.anchor;
    line.art1 = hit.art;
    line.index1 = hit.index;
  }
  if (FindPieceAnchor(line.p2, &hit)) {
    line.p2 = hit.anchor;
    line.art2 = hit.art;
    line.index2 = hit.index;
  }
}

void HitTestAnchorPoint(const RealPoint& point, RevisionHandle* handle) {
  std::memset(handle, 0, sizeof *handle);
  handle->kind = kHandlePoint;
  PieceAnchorHit hit;
  if (FindPieceAnchor(point, &hit)) {
    handle->point.art = hit.art;
    handle->point.anchorIndex = hit.index;
  }
}
