// A started module with a document for the snap searches, suites held as in a tool message.
#pragma once

#include <cmath>
#include <vector>

#include "geometry/curve_fixture.h"
#include "host/host_driver.h"
#include "store/store_scene.h"
#include "tools/snap_targets.h"

namespace vmtest {

class SnapScene : public StoreScene {
 protected:
  static ArtHandle Curved(ArtHandle parent, const Curve& c) {
    PathSegment s1 = c.s1, s2 = c.s2;
    s1.in = s1.p;
    s2.out = s2.p;
    return vmhost::AddPath(parent, {s1, s2}, false);
  }
  // The tracking record of a drag that started at `start` on `hit`.
  void DragFrom(RealPoint start, int16_t kind, SnapHit hit) {
    TrackingState& t = globals().tracking;
    t.dragging = 1;
    t.first = {start, kind, kNoAngle};
    t.second = {start, kind, kNoAngle};
    for (int i = 0; i < kHitRecords; ++i) t.firstHits[i] = t.secondHits[i] = kNoSnapHit;
    t.firstHits[0] = t.secondHits[0] = hit;
  }
};

struct ListSnap {
  RealPoint point;
  int16_t kind = 0;
  SnapHit hits[kHitRecords + 1];
};

inline ListSnap RunListSnap(void (*search)(RealPoint*, int16_t*, int16_t, SnapHit*), RealPoint p,
                            int16_t room = 1) {
  ListSnap s{p, 0, {}};
  for (SnapHit& h : s.hits) h = {reinterpret_cast<ArtHandle>(1), 7};
  search(&s.point, &s.kind, room, s.hits);
  return s;
}

inline bool IsNoHit(const SnapHit& h) { return h.art == nullptr && h.segment == kNoSegment; }

}  // namespace vmtest
