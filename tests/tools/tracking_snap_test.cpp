// The working point of a revision tool snapped in the fixed order: handle
// marks and the origin, then the document's art, then the grid; Shift turns it
// to 45-degree steps.
#include "tools/snap_targets.h"
#include "tracking_scene.h"

namespace vmtest {
namespace {

using SnapDriver = TrackingScene;

bool Same(RealPoint a, RealPoint b) { return std::fabs(a.h - b.h) < 1e-4 && std::fabs(a.v - b.v) < 1e-4; }

TEST_F(SnapDriver, TheFirstMarkHitWins) {
  ArtHandle path = vmhost::AddPolyline(LayerGroup(), {{0, 0}, {100, 0}, {100, 80}}, false);
  const struct {
    const char* what;
    std::function<void()> scene;
    RealPoint cursor;
    int16_t kind, code;
    uint32_t slot;
    RealPoint at;
  } cases[] = {
      {"an anchor", [] {}, {99.2, 0.5}, kSnapKindAnchor, 0, 0, {100, 0}},
      {"a handle end before the anchor under it",
       [&] { Handle(3, kHandleDistance, {100, 0}, {100, 80}); }, {99.2, 0.5}, 9, kHitFirstEnd, 3, {100, 0}},
      {"the lower slot",
       [&] {
         Handle(5, kHandleDistance, {100, 80}, {100, 0});
         Handle(3, kHandleDistance, {100, 0}, {100, 80});
       },
       {99.2, 0.5}, 9, kHitFirstEnd, 3, {100, 0}},
      {"a selected handle before an unselected lower slot",
       [&] {
         Handle(2, kHandleDistance, {100, 0}, {100, 80});
         Handle(7, kHandleLength, {0, 0}, {100, 0}, true);
       },
       {99.2, 0.5}, 9, kHitSecondEnd, 7, {100, 0}},
      {"the origin before a handle of the same selection",
       [&] {
         Handle(0, kHandleDistance, {100, 0}, {100, 80});
         Origin({100, 0}, 0, 50, false, true);
       },
       {99.2, 0.5}, 9, kHitOrigin, 0, {100, 0}},
      {"the line of a handle", [&] { Handle(0, kHandleAngle, {0, 40}, {100, 40}); }, {50, 40.6}, 8, kHitHandleLine, 0,
       {50, 40}},
      {"the arrow end", [&] { Origin({0, 0}, 0, 50, false, true); }, {49.5, 0.5}, 9, kHitArrowEnd, 0, {50, 0}},
      {"the arrow line", [&] { Origin({0, 0}, 0, 50, false, true); }, {25, 0.8}, 8, kHitArrowLine, 0, {25, 0}},
      {"no arrow under the aspect lock", [&] { Origin({200, 0}, 0, 50, false, false); }, {249.5, 0.5}, 1, 0, 0,
       {249.5, 0.5}},
      {"locked handles are never hit",
       [&] {
         Handle(0, kHandleDistance, {100, 0}, {100, 80});
         Origin({100, 0}, 0, 50, false, true);
         globals().handlesLocked = 1;
       },
       {99.2, 0.5}, kSnapKindAnchor, 0, 0, {100, 0}},
      {"a point handle on its anchor",
       [&] {
         RevisionHandle& h = Handle(4, kHandlePoint, {}, {});
         h.point.art = path;
         h.point.anchorIndex = 2;
       },
       {100.5, 79.5}, 8, kHitPointHandle, 4, {100, 80}},
      {"a point handle whose anchor is gone is passed over",
       [&] {
         RevisionHandle& h = Handle(4, kHandlePoint, {}, {});
         h.point.art = path;
         h.point.anchorIndex = 9;
       },
       {100.5, 79.5}, kSnapKindAnchor, 0, 0, {100, 80}},
      {"nothing at all", [] {}, {40, 40}, 1, 0, 0, {40, 40}},
  };
  for (const auto& c : cases) {
    std::memset(globals().handles, 0, sizeof globals().handles);
    Origin({-500, -500}, 0, 0, false, false);
    globals().handlesLocked = 0;
    c.scene();
    EXPECT_EQ(Track(c.cursor), c.kind) << c.what;
    const TrackingState& t = globals().tracking;
    EXPECT_EQ(t.hitCode, c.code) << c.what;
    EXPECT_EQ(t.hitSlot, c.slot) << c.what;
    EXPECT_TRUE(Same(t.first.point, c.at) && Same(t.second.point, c.at) && Same(t.cursor, c.at)) << c.what;
    EXPECT_EQ(globals().snapKind, c.kind) << c.what;
  }
}

TEST_F(SnapDriver, SnapOptionsChooseTheTargetsOfTheArt) {
  ArtHandle edge = vmhost::AddPolyline(LayerGroup(), {{0, 0}, {100, 0}}, false);
  ArtHandle cross = vmhost::AddPolyline(LayerGroup(), {{50, -50}, {50, 50}}, false);
  globals().flGrWidth = globals().flGrHeight = 20;
  const struct {
    const char* what;
    int16_t anchors, crossings, onPath, grid;
    RealPoint cursor;
    int16_t kind;
    RealPoint at;
    SnapHit hit;
  } cases[] = {
      {"anchor", 1, 1, 1, 0, {0.6, 0.4}, kSnapKindAnchor, {0, 0}, {edge, 0}},
      // The later path lies on top and is met first.
      {"crossing", 1, 1, 1, 0, {50.5, 0.6}, kSnapKindIntersection, {50, 0}, {cross, 1}},
      {"on the path without crossings", 1, 0, 1, 0, {50.5, 0.6}, kSnapKindOnPath, {50, 0.6}, {cross, 1}},
      {"the grid with no target", 0, 0, 0, 1, {29, 51}, 1, {20, 60}, kNoSnapHit},
      {"the grid is last", 1, 0, 0, 1, {0.6, 0.4}, kSnapKindAnchor, {0, 0}, {edge, 0}},
  };
  for (const auto& c : cases) {
    globals().flUseFcur = c.anchors;
    globals().flUseFcrs = c.crossings;
    globals().flUseFops = c.onPath;
    globals().flUseGrid = c.grid;
    EXPECT_EQ(Track(c.cursor), c.kind) << c.what;
    const TrackingState& t = globals().tracking;
    EXPECT_TRUE(Same(t.second.point, c.at)) << c.what << " " << t.second.point.h << "," << t.second.point.v;
    EXPECT_EQ(t.firstHits[0].art, c.hit.art) << c.what;
    EXPECT_EQ(t.secondHits[0].segment, c.hit.segment) << c.what;
  }
}

TEST_F(SnapDriver, ADragMovesOnlyTheSecondPointAndFollowsTheNormal) {
  ArtHandle edge = vmhost::AddPolyline(LayerGroup(), {{0, 0}, {100, 0}, {200, 0}}, false);
  Handle(0, kHandleDistance, {300, 300}, {400, 300});
  EXPECT_EQ(Track({100.5, 0.5}), kSnapKindAnchor);
  Press();
  EXPECT_EQ(Track({100.8, 40}), kSnapKindNormal);
  const TrackingState& t = globals().tracking;
  EXPECT_TRUE(Same(t.first.point, {100, 0}));
  EXPECT_EQ(t.first.snapKind, kSnapKindAnchor);
  EXPECT_EQ(t.firstHits[0].art, edge);
  EXPECT_NEAR(t.second.point.h, 100, 1e-4);
  EXPECT_EQ(t.secondHits[0].art, nullptr);
  // The drag's mark hit stays what it was at the press.
  EXPECT_EQ(Track({300.5, 300.5}), 9);
  EXPECT_EQ(t.hitCode, kHitNone);
  // A free start never snaps to the normal.
  InModuleCall([] { ClearTrackingState(); });
  EXPECT_EQ(Track({150, 60}), 1);
  Press();
  EXPECT_EQ(Track({150.5, 90}), 1);
}

TEST_F(SnapDriver, ShiftTurnsTheDragToFortyFiveDegreeSteps) {
  const double d = std::hypot(40, 37);
  EXPECT_EQ(Track({0, 0}), 1);
  Press();
  Track({40, 37}, kModShift);
  EXPECT_TRUE(Same(globals().tracking.second.point, {d * M_SQRT1_2, d * M_SQRT1_2}));
  Track({40, -3}, kModShift);
  EXPECT_TRUE(Same(globals().tracking.second.point, {std::hypot(40, 3), 0}));

  // Dragging a handle's first end turns it about the other end.
  InModuleCall([] { ClearTrackingState(); });
  Handle(0, kHandleDistance, {10, 10}, {110, 10});
  EXPECT_EQ(Track({10.5, 10.5}), 9);
  Press();
  Track({100, 50}, kModShift);
  EXPECT_TRUE(Same(globals().tracking.second.point, {110, 10 + std::hypot(10, 40)}));

  // On a handle line the point stays on the line.
  Handle(1, kHandleAngle, {0, 200}, {100, 213});
  Track({50, 206.8}, kModShift);
  EXPECT_EQ(globals().tracking.second.snapKind, 8);
  EXPECT_NEAR(globals().tracking.second.point.v, 206.5, 0.01);
}

TEST_F(SnapDriver, GridAndAngleRulesRoundHalfAwayFromZero) {
  globals().flGrWidth = 10;
  globals().flGrHeight = 4;
  const struct {
    RealPoint p, at;
  } grid[] = {{{15, 6}, {20, 8}}, {{-15, -6}, {-20, -8}}, {{14.9, -5.9}, {10, -4}}, {{1e12, 1}, {1e12, 0}}};
  for (const auto& c : grid) {
    RealPoint p = c.p;
    SnapPointToGrid(&p);
    EXPECT_TRUE(Same(p, c.at)) << c.p.h << "," << c.p.v;
  }
  // A grid step of 0 from a damaged preferences file leaves the point alone.
  globals().flGrWidth = 0;
  globals().flGrHeight = -3;
  RealPoint p{15.5, 6.5};
  SnapPointToGrid(&p);
  EXPECT_TRUE(Same(p, {15.5, 6.5}));

  const struct {
    RealPoint p, at;
  } turns[] = {{{10, 0.1}, {10.0005, 0}}, {{0, -3}, {0, -3}}, {{-5, 5.01}, {-5.005, 5.005}}, {{0, 0}, {0, 0}}};
  for (const auto& c : turns) {
    RealPoint q = c.p;
    ConstrainTo45Degrees({0, 0}, &q);
    EXPECT_TRUE(Same(q, c.at)) << q.h << "," << q.v;
  }
}

}  // namespace
}  // namespace vmtest
