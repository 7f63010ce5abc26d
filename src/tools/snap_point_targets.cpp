// Anchors, bounds centres and points on paths.
#include "geometry/segment_snap.h"
#include "geometry/view_hit_test.h"
#include "tools/snap_targets.h"
#include "tools/snap_walk.h"

namespace {

struct ListSearch {
  RealPoint point;
  int16_t kind;
  SnapHit found[kHitRecords];
  int16_t count;
};

struct PathSearch {
  RealPoint point;
  int16_t kind;
  SnapHit hit;
  int16_t hitKind;
  bool arcsOnly;
};

HostErr TestAnchors(ArtHandle path, void* context) {
  auto* search = static_cast<ListSearch*>(context);
  if (search->count >= kHitRecords || !PathMayHold(path, search->point)) return kNoErr;
  std::vector<PathSegment> segments;
  bool closed = false;
  if (!ReadSnapPath(path, &segments, &closed)) return kNoErr;
  for (size_t i = 0; i < segments.size(); ++i) {
    RealPoint probe = search->point;
    if (!IsPointNearPointInView(&probe, segments[i].p)) continue;
    // Later paths only add records around the point the first one chose.
    if (search->kind == 0) {
      search->point = probe;
      search->kind = kSnapKindAnchor;
    }
    search->found[search->count++] = {path, static_cast<uint16_t>(i)};
    break;
  }
  return kNoErr;
}

HostErr TestBoundsCentre(ArtHandle path, void* context) {
  auto* search = static_cast<ListSearch*>(context);
  if (search->count >= kHitRecords || !PathMayHold(path, search->point)) return kNoErr;
  RealRect bounds{};
  if (sAIArt->GetArtControlBounds(path, &bounds) != kNoErr) return kNoErr;
  RealPoint probe = search->point;
  if (!IsPointNearRectCenterInView(&probe, bounds)) return kNoErr;
  // As with anchors, the point stays on the first centre found so that it
  // matches the first record.
  if (search->kind == 0) {
    search->point = probe;
    search->kind = kSnapKindBoundsCentre;
  }
  search->found[search->count++] = {path, 0};
  return kNoErr;
}

bool TestPathSegment(PathSearch* search, const PathSegment& s1, const PathSegment& s2) {
  if (search->arcsOnly) return HitTestSegmentInView(&search->point, s1, s2) != 0;
  return SnapPointToPathSegment(&search->point, s1, s2, 1) != 0;
}

HostErr TestPath(ArtHandle path, void* context) {
  auto* search = static_cast<PathSearch*>(context);
  if (search->kind != 0 || !PathMayHold(path, search->point)) return kNoErr;
  std::vector<PathSegment> segments;
  bool closed = false;
  if (!ReadSnapPath(path, &segments, &closed)) return kNoErr;
  const size_t n = segments.size();
  for (size_t i = 1; i < n; ++i) {
    if (TestPathSegment(search, segments[i - 1], segments[i])) {
      search->kind = search->hitKind;
      search->hit = {path, static_cast<uint16_t>(i)};
      return kNoErr;
    }
  }
  if (closed && n >= 2 && TestPathSegment(search, segments[n - 1], segments[0])) {
    search->kind = search->hitKind;
    search->hit = {path, 0};
  }
  return kNoErr;
}

void RunListSearch(SnapPathTest test, RealPoint* point, int16_t* kind, int16_t maxHits, SnapHit* hits) {
  ListSearch search{*point, 0, {}, 0};
  WalkSnapLayers(test, &search, &search.kind);
  CopySnapHits(search.found, search.count, maxHits, hits);
  if (search.kind == 0) return;
  *point = search.point;
  *kind = search.kind;
}

void FinishPathSearch(const PathSearch& search, RealPoint* point, int16_t* kind, SnapHit* hit) {
  if (search.kind == 0) return;
  *point = search.point;
  *kind = search.kind;
  if (hit != nullptr) *hit = search.hit;
}

}  // namespace

void SnapToAnchorPoints(RealPoint* point, int16_t* kind, int16_t maxHits, SnapHit* hits) {
  RunListSearch(TestAnchors, point, kind, maxHits, hits);
}

void SnapToBoundsCentre(RealPoint* point, int16_t* kind, int16_t maxHits, SnapHit* hits) {
  RunListSearch(TestBoundsCentre, point, kind, maxHits, hits);
}

void SnapToPath(RealPoint* point, int16_t* kind, SnapHit* hit) {
  PathSearch search{*point, 0, kNoSnapHit, kSnapKindOnPath, false};
  WalkSnapLayers(TestPath, &search, &search.kind);
  FinishPathSearch(search, point, kind, hit);
}

void SnapToPathInArt(ArtHandle art, RealPoint* point, int16_t* kind, SnapHit* hit) {
  if (art == nullptr || sAIArt == nullptr) return;
  PathSearch search{*point, 0, kNoSnapHit, kSnapKindOnPath, false};
  VisitSnapArt(art, TestPath, &search);
  FinishPathSearch(search, point, kind, hit);
}

void HitTestSegment(RealPoint* point, int16_t* kind, SnapHit* hit) {
  PathSearch search{*point, 0, kNoSnapHit, kSnapKindAnchor, true};
  WalkSnapLayers(TestPath, &search, &search.kind);
  FinishPathSearch(search, point, kind, hit);
}
