#include "tools/snap_walk.h"

#include "geometry/view_hit_test.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "tools/snap_targets.h"

HostErr VisitSnapArt(ArtHandle art, SnapPathTest test, void* search) {
  int16_t type = kUnknownArt;
  if (const HostErr error = GetArtTypeWithToolConfig(art, &type)) return error;
  if (type == kPathArt) return test(art, search);
  if (!IsEnteredArt(type)) return kNoErr;
  ArtHandle child = nullptr;
  if (const HostErr error = sAIArt->GetArtFirstChild(art, &child)) return error;
  while (child != nullptr) {
    if (const HostErr error = VisitSnapArt(child, test, search)) return error;
    if (const HostErr error = sAIArt->GetArtSibling(child, &child)) return error;
  }
  return kNoErr;
}

void WalkSnapLayers(SnapPathTest test, void* search, const int16_t* kind) {
  if (sAILayer == nullptr || sAIArt == nullptr) return;
  int32_t count = 0;
  if (sAILayer->CountLayers(&count) != kNoErr) return;
  for (int32_t n = 0; n < count; ++n) {
    LayerHandle layer = nullptr;
    int32_t visible = 0;
    if (sAILayer->GetNthLayer(n, &layer) != kNoErr) return;
    if (sAILayer->GetLayerVisible(layer, &visible) != kNoErr) return;
    if (visible == 0 || IsPreviewLayer(layer)) continue;
    ArtHandle first = nullptr;
    if (sAILayer->GetFirstArtOfLayer(layer, &first) != kNoErr) return;
    if (first != nullptr && VisitSnapArt(first, test, search) != kNoErr) return;
    if (kind != nullptr && *kind != 0) return;
  }
}

bool ReadSnapPath(ArtHandle path, std::vector<PathSegment>* segments, bool* closed) {
  if (sAIPath == nullptr) return false;
  int16_t count = 0;
  int32_t isClosed = 0;
  if (sAIPath->GetPathSegmentCount(path, &count) != kNoErr || count < 0) return false;
  if (sAIPath->GetPathClosed(path, &isClosed) != kNoErr) return false;
  segments->resize(static_cast<size_t>(count));
  if (count > 0 && sAIPath->GetPathSegments(path, 0, count, segments->data()) != kNoErr) return false;
  *closed = isClosed != 0;
  return true;
}

bool PathMayHold(ArtHandle path, const RealPoint& point) {
  RealRect bounds{};
  if (sAIArt->GetArtControlBounds(path, &bounds) != kNoErr) return false;
  return IsPointInRectInView(point, bounds) != 0;
}

void CopySnapHits(const SnapHit* found, int16_t count, int16_t maxHits, SnapHit* hits) {
  if (hits == nullptr) return;
  for (int16_t i = 0; i < maxHits; ++i) hits[i] = i < count ? found[i] : kNoSnapHit;
}
