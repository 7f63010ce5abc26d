// Snaps that follow a drag: the normal and tangent at its start, whole steps
// of the grid distance, and the length of the selected parts of paths.
#include "snap_scene.h"

namespace vmtest {
namespace {

using DragSnaps = SnapScene;

TEST_F(DragSnaps, NormalAndTangentThroughTheDragStart) {
  ArtHandle edge = vmhost::AddPolyline(LayerGroup(), {{0, 0}, {100, 0}, {200, 0}}, false);
  ArtHandle slope = vmhost::AddPolyline(LayerGroup(), {{0, 0}, {100, 100}, {0, 300}}, false);
  ArtHandle arc = Curved(LayerGroup(), Arc({0, 0}, 100, 0, 90));
  ArtHandle free = Curved(LayerGroup(), Cubic({0, 0}, {0, 100}, {100, 100}, {100, 0}));
  ArtHandle corner = vmhost::AddPolyline(LayerGroup(), {{0, 0}, {100, 0}, {0, 100}}, true);
  const double r = M_SQRT1_2, up = std::hypot(30, 31) * r, out = (100 + std::hypot(50 * r + 1, 50 * r)) * r;
  const struct {
    const char* what;
    SnapHit from;
    RealPoint start;
    int16_t startKind;
    RealPoint cursor;
    int16_t kind;
    RealPoint at;
  } cases[] = {
      {"straight up", {edge, 1}, {100, 0}, kSnapKindAnchor, {101, 40}, kSnapKindNormal, {100, 40.0125}},
      {"straight down", {edge, 1}, {100, 0}, kSnapKindAnchor, {101, -40}, kSnapKindNormal, {100, -40.0125}},
      // Along the normal of the last chord, which nearly runs down.
      {"out of a free curve", {free, 1}, {100, 0}, kSnapKindAnchor, {140, 1}, kSnapKindNormal, {140.0076, 0.6284}},
      {"first anchor of a closed path", {corner, 0}, {0, 0}, kSnapKindAnchor, {-40, 1}, kSnapKindNormal,
       {-40.0125, 0}},
      {"along the edge", {edge, 1}, {100, 0}, kSnapKindAnchor, {150, 1.2}, kSnapKindTangent, {150.0144, 0}},
      {"from a free point", {edge, 1}, {100, 0}, 1, {101, 40}, 0, {101, 40}},
      {"first anchor of an open path",
       {slope, 0},
       {0, 0},
       kSnapKindAnchor,
       {-30, 31},
       kSnapKindNormal,
       {-up, up}},
      {"out of an arc",
       {arc, 1},
       {100 * r, 100 * r},
       kSnapKindOnPath,
       {150 * r + 1, 150 * r},
       kSnapKindNormal,
       {out, out}},
  };
  for (const auto& c : cases) {
    DragFrom(c.start, c.startKind, c.from);
    RealPoint p = c.cursor;
    int16_t kind = 0;
    SnapToPerpendicular(&p, &kind);
    EXPECT_EQ(kind, c.kind) << c.what;
    EXPECT_NEAR(p.h, c.at.h, 1e-3) << c.what;
    EXPECT_NEAR(p.v, c.at.v, 1e-3) << c.what;
  }
}

TEST_F(DragSnaps, WholeStepsOfTheGridDistance) {
  ArtHandle edge = Curved(LayerGroup(), Line({0, 0}, {200, 0}));
  globals().flGrDistance = 10;
  const struct {
    const char* what;
    int16_t mode;
    RealPoint second, cursor, at;
  } cases[] = {{"from the drag line", 0, {100, 0}, {50, 23}, {50, 20}},
               {"vertical steps", 1, {100, 0}, {3, 36}, {3, 40}},
               {"horizontal steps", 2, {60, 60}, {84, 3}, {80, 3}},
               {"from the path", 3, {100, 0}, {70, -14.9}, {70, -10}}};
  for (const auto& c : cases) {
    DragFrom({0, 0}, kSnapKindAnchor, {edge, 1});
    globals().tracking.second.point = c.second;
    RealPoint p = c.cursor;
    SnapToDistanceSteps(&p, c.mode);
    EXPECT_NEAR(p.h, c.at.h, 1e-4) << c.what;
    EXPECT_NEAR(p.v, c.at.v, 1e-4) << c.what;
  }
  globals().flGrDistance = 0;  // a step that cannot be taken leaves the point
  RealPoint p{50, 23};
  SnapToDistanceSteps(&p, 0);
  EXPECT_EQ(p.h, 50);
  EXPECT_EQ(p.v, 23);
}

TEST_F(DragSnaps, MeasureFromAHitPairSaysTheSide) {
  const struct {
    const char* what;
    Curve segment;
    RealPoint p;
    int16_t side;
  } cases[] = {{"left of a line", Line({0, 0}, {100, 0}), {30, 5}, 1},
               {"right of a line", Line({0, 0}, {100, 0}), {30, -5}, 0},
               {"inside a left-turning arc", Arc({0, 0}, 100, 0, 90), {60, 60}, 1},
               {"outside a right-turning arc", Arc({0, 0}, 100, 90, 0), {80, 80}, 1},
               {"beyond the arc's end", Arc({0, 0}, 100, 0, 90), {-5, 100}, 0},
               {"above an S curve", Cubic({0, 0}, {30, 40}, {70, -40}, {100, 0}), {50, 10}, 1}};
  for (const auto& c : cases) {
    RealPoint nearest{};
    int16_t side = -1;
    const double d = ComputeHitPairMeasure(c.segment.s1, c.segment.s2, c.p, &nearest, &side);
    double sampled = 1e9;
    for (int k = 0; k <= 20000; ++k) {
      RealPoint q;
      EvaluateCubicBezier(c.segment.s1.p, c.segment.s1.out, c.segment.s2.in, c.segment.s2.p, k / 2e4, &q);
      sampled = std::min(sampled, std::hypot(q.h - c.p.h, q.v - c.p.v));
    }
    EXPECT_NEAR(d, sampled, 0.05) << c.what;
    EXPECT_EQ(side, c.side) << c.what;
    EXPECT_NEAR(std::hypot(nearest.h - c.p.h, nearest.v - c.p.v), d, 1e-9) << c.what;
  }
}

TEST_F(DragSnaps, SelectedLengthCountsSegmentsBetweenSelectedAnchors) {
  ArtHandle box = Rect(LayerGroup(), 0, 0, 100, 50);
  ArtHandle arc = Curved(LayerGroup(), Arc({0, 0}, 100, 0, 90));
  Curved(LayerGroup(), Line({0, 0}, {1000, 0}));  // not selected
  LayerHandle hidden = vmhost::AddLayer("Hidden");
  vmhost::SetSelected(Curved(LayerGroup(hidden), Line({0, 0}, {1000, 0})), true);
  sAILayer->SetLayerVisible(hidden, 0);

  vmhost::SetSelected(box, true);
  vmhost::SetSelected(arc, true);
  EXPECT_NEAR(SumSelectedLength(), 300 + M_PI * 50, 1e-3);

  vmhost::SetSelected(arc, false);
  sAIPath->SetPathSegmentSelected(box, 1, 0);  // (100, 0) let go: 50 + 100 remain
  EXPECT_NEAR(SumSelectedLength(), 150, 1e-9);
  box->d.segmentSelected = {3, 0, 2, 0};  // out-handle of anchor 0, in-handle of anchor 2: nothing joins
  EXPECT_EQ(SumSelectedLength(), 0);
  box->d.segmentSelected = {2, 0, 0, 3};  // the closing segment, from anchor 3 to anchor 0
  EXPECT_NEAR(SumSelectedLength(), 50, 1e-9);
}

}  // namespace
}  // namespace vmtest
