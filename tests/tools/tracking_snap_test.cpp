// The working point of a revision tool snapped in the fixed order: handle
// marks and the origin, then the document's art, then the grid; Shift turns a
// drag to 45-degree steps.
#include "tools/snap_targets.h"
#include "tracking_scene.h"

namespace vmtest {
namespace {

using SnapDriver = TrackingScene;

struct HandleAt {
  int slot;
  int16_t kind;
  RealPoint p1, p2;
  bool selected;
};

TEST_F(SnapDriver, TheFirstMarkHitWins) {
  ArtHandle path = vmhost::AddPolyline(LayerGroup(), {{0, 0}, {100, 0}, {100, 80}}, false);
  const RealPoint corner{99.2, 0.5};
  const struct {
    const char* what;
    std::vector<HandleAt> handles;
    int origin;  // 0 far away, 1 at the corner, 2 at (0, 30) with its arrow, 3 at the corner, locked
    RealPoint cursor;
    int16_t kind, code;
    uint32_t slot;
    RealPoint at;
  } cases[] = {
      // clang-format off
      {"an anchor", {}, 0, corner, kSnapKindAnchor, 0, 0, {100, 0}},
      {"a handle end over an anchor", {{3, 2, {100, 0}, {100, 80}, false}}, 0, corner, 9, 1, 3, {100, 0}},
      {"the lower slot", {{5, 2, {0, 9}, {100, 0}, false}, {3, 2, {100, 0}, {0, 0}, false}}, 0, corner, 9, 1, 3, {100, 0}},
      {"p1 before p2", {{0, 2, {100, 0}, {101, 0}, false}}, 0, {100.7, 0.5}, 9, 1, 0, {100, 0}},
      {"selected first", {{2, 2, {100, 0}, {0, 0}, false}, {7, 3, {0, 0}, {100, 0}, true}}, 0, corner, 9, 2, 7, {100, 0}},
      {"the origin before the handles", {{0, 2, {100, 0}, {100, 80}, false}}, 1, corner, 9, 11, 0, {100, 0}},
      {"a selected handle before the origin", {{0, 2, {100, 0}, {100, 80}, true}}, 1, corner, 9, 1, 0, {100, 0}},
      {"two and a half pixels off", {{0, 2, {300, 300}, {300, 400}, false}}, 0, {297.5, 299}, 1, 0, 0, {297.5, 299}},
      {"a handle line", {{0, 7, {0, 40}, {100, 40}, false}}, 0, {50, 40.6}, 8, 3, 0, {50, 40}},
      {"the arrow end", {}, 2, {49.5, 30.5}, 9, 12, 0, {50, 30}},
      {"the arrow line", {}, 2, {25, 30.8}, 8, 13, 0, {25, 30}},
      {"no arrow under the aspect lock", {}, 1, {149.5, 0.5}, 1, 0, 0, {149.5, 0.5}},
      {"locked marks", {{0, 2, {100, 0}, {100, 80}, false}}, 3, corner, kSnapKindAnchor, 0, 0, {100, 0}},
      {"nothing", {}, 0, {40, 40}, 1, 0, 0, {40, 40}},
      // clang-format on
  };
  for (const auto& c : cases) {
    std::memset(globals().handles, 0, sizeof globals().handles);
    for (const HandleAt& h : c.handles) Handle(h.slot, h.kind, h.p1, h.p2, h.selected);
    if (c.origin != 0) Origin(c.origin == 2 ? RealPoint{0, 30} : RealPoint{100, 0}, 50, c.origin == 2);
    globals().handlesLocked = c.origin == 3;
    EXPECT_EQ(Track(c.cursor), c.kind) << c.what;
    const TrackingState& t = globals().tracking;
    EXPECT_EQ(t.hitCode, c.code) << c.what;
    EXPECT_EQ(t.hitSlot, c.slot) << c.what;
    EXPECT_EQ(globals().snapKind, c.kind) << c.what;
    EXPECT_NEAR(t.first.point.h, c.at.h, 1e-4) << c.what;
    EXPECT_NEAR(t.first.point.v, c.at.v, 1e-4) << c.what;
    EXPECT_NEAR(t.second.point.h, c.at.h, 1e-4) << c.what;
    EXPECT_NEAR(t.second.point.v, c.at.v, 1e-4) << c.what;
    Origin({-5000, -5000}, 0, false);
  }
  // A point handle is hit on its anchor, and passed over when that cannot be read.
  RevisionHandle& h = Handle(4, kHandlePoint, {}, {});
  h.point.art = path;
  h.point.anchorIndex = 2;
  EXPECT_EQ(Track({100.5, 79.5}), 8);
  EXPECT_EQ(globals().tracking.hitCode, kHitPointHandle);
  h.point.anchorIndex = 9;
  EXPECT_EQ(Track({100.5, 79.4}), kSnapKindAnchor);
}

TEST_F(SnapDriver, SnapOptionsAndTheGridChooseTheTarget) {
  ArtHandle line = vmhost::AddPolyline(LayerGroup(), {{0, 0}, {100, 0}}, false);
  // The later path lies on top and is met first.
  ArtHandle cross = vmhost::AddPolyline(LayerGroup(), {{50, -50}, {50, 50}}, false);
  const struct {
    int16_t crossings, onPath, grid;
    double step;
    RealPoint cursor;
    int16_t kind;
    RealPoint at;
    SnapHit hit;
    double height = 0;  // of the grid, when not the step
  } cases[] = {{1, 1, 0, 20, {50.5, 0.6}, kSnapKindIntersection, {50, 0}, {cross, 1}},
               {0, 1, 1, 30, {100.5, 0.6}, kSnapKindAnchor, {100, 0}, {line, 1}},  // the grid only when free
               {0, 0, 1, 20, {-30, 51}, 1, {-40, 45}, kNoSnapHit, 15},
               {0, 1, 0, 20, {50.5, 0.6}, kSnapKindOnPath, {50, 0.6}, {cross, 1}},
               {0, 0, 1, 20, {-30, 51}, 1, {-40, 60}, kNoSnapHit},
               {0, 0, 1, 1e-3, {1e9 + 4e-4, 0}, 1, {1e9, 0}, kNoSnapHit},
               // A step of 0 from a damaged preferences file leaves the point alone.
               {0, 0, 1, 0, {29, 51}, 1, {29, 51}, kNoSnapHit}};
  for (const auto& c : cases) {
    globals().flUseFcrs = c.crossings;
    globals().flUseFops = c.onPath;
    globals().flUseGrid = c.grid;
    globals().flGrWidth = c.step;
    globals().flGrHeight = c.height != 0 ? c.height : c.step;
    EXPECT_EQ(Track(c.cursor), c.kind);
    const TrackingState& t = globals().tracking;
    EXPECT_TRUE(Same(t.second.point, c.at)) << c.cursor.h;
    EXPECT_EQ(t.firstHits[0].art, c.hit.art) << c.kind;
    EXPECT_EQ(t.secondHits[0].segment, c.hit.segment) << c.kind;
  }
}

TEST_F(SnapDriver, ADragMovesTheSecondPointAlongTheNormalOrInFortyFiveDegreeSteps) {
  ArtHandle edge = vmhost::AddPolyline(LayerGroup(), {{0, 0}, {100, 0}, {200, 0}}, false);
  Handle(0, kHandleDistance, {300, 300}, {400, 300});
  EXPECT_EQ(Track({100.5, 0.5}), kSnapKindAnchor);
  Press();
  EXPECT_EQ(Track({100.8, 40}), kSnapKindNormal);
  const TrackingState& t = globals().tracking;
  EXPECT_NEAR(t.first.point.h, 100, 1e-4);
  EXPECT_NEAR(t.first.point.v, 0, 1e-4);
  EXPECT_EQ(t.first.snapKind, kSnapKindAnchor);
  EXPECT_EQ(t.firstHits[0].art, edge);
  EXPECT_NEAR(t.second.point.h, 100, 1e-4);
  EXPECT_EQ(t.secondHits[0].art, nullptr);
  // The mark hit stays the one under the press.
  EXPECT_EQ(Track({300.5, 300.5}), 9);
  EXPECT_EQ(t.hitCode, kHitNone);

  // Shift while hovering has no drag start to turn about.
  InModuleCall([] { ClearTrackingState(); });
  Track({100, 60}, kModShift);
  EXPECT_TRUE(Same(globals().tracking.first.point, {100, 60}));
  // Dragging a handle's first end turns it about the other end.
  Handle(0, kHandleDistance, {10, 10}, {110, 10});
  EXPECT_EQ(Track({10.5, 10.5}), 9);
  Press();
  Track({100, 50}, kModShift);
  EXPECT_TRUE(Same(globals().tracking.second.point, {110, 10 + std::hypot(10, 40)}));
  // On a handle line the point stays on the line.
  Handle(1, kHandleAngle, {0, 200}, {100, 213});
  EXPECT_EQ(Track({50, 206.8}, kModShift), 8);
  EXPECT_NEAR(globals().tracking.second.point.v, 206.5, 0.01);
  RealPoint q{-5, 5.01};
  ConstrainTo45Degrees({0, 0}, &q);
  EXPECT_TRUE(Same(q, {-5.005, 5.005}));
  // The origin turns about the arrow's end, the arrow's end about the origin.
  Origin({0, 400}, 50, true);
  for (const RealPoint grab : {RealPoint{0.5, 400.5}, RealPoint{49.5, 400.5}}) {
    InModuleCall([] { ClearTrackingState(); });
    EXPECT_EQ(Track(grab), 9);
    Press();
    Track({40, 430}, kModShift);
    const RealPoint turned = grab.h < 1 ? RealPoint{50, 400 + std::hypot(10, 30)} : RealPoint{35.35534, 435.35534};
    EXPECT_TRUE(Same(globals().tracking.second.point, turned)) << grab.h;
  }
}

}  // namespace
}  // namespace vmtest
