// The point snaps to where two segments cross, and only there.
#include "snap_scene.h"

namespace vmtest {
namespace {

using Crossings = SnapScene;

TEST_F(Crossings, FoundWhereSegmentsReallyCross) {
  const double x = 100.0 / 3;
  const struct {
    const char* what;
    std::vector<Curve> segments;  // one path each
    std::vector<RealPoint> polyline;
    bool closed;
    RealPoint cursor;
    bool found;
    RealPoint at;
  } cases[] = {
      // clang-format off
      {"two straight lines", {Line({0, 0}, {90, 30}), Line({0, 100}, {100, 0})}, {}, 0, {75, 24.5}, 1, {75, 25}},
      {"vertical and steep, far apart", {Line({0, 0}, {0, 100}), Line({1, 0}, {2, 100})}, {}, 0, {0.8, 1}, 0, {}},
      {"parallel lines", {Line({0, 0}, {100, 0}), Line({0, 1}, {100, 1})}, {}, 0, {50, 0.5}, 0, {}},
      {"self-crossing polyline", {}, {{0, 0}, {100, 0}, {100, 50}, {50, -50}}, 0, {75.5, 0.5}, 1, {75, 0}},
      {"joint of a polyline", {}, {{0, 0}, {100, 0}, {100, 100}}, 0, {99.5, 0.5}, 0, {}},
      {"first anchor of a closed path", {}, {{0, 0}, {100, 0}, {100, 100}, {0, 100}}, 1, {0.5, 0.5}, 0, {}},
      {"line across an arc", {Arc({0, 0}, 100, 0, 90), Line({x, 0}, {x, 200})}, {}, 0, {x + 0.5, 94.5}, 1,
       {x, std::sqrt(10000 - x * x)}},
      // Paths are met topmost first: y = 0, the nearly parallel line, then x = 50.
      {"a near miss before the crossing", {Line({50, -100}, {50, 100}), Line({0, 0.5}, {100, 0.6}),
       Line({0, 0}, {100, 0})}, {}, 0, {50.5, 0.5}, 1, {50, 0}},
      {"sloped line across an arc", {Arc({0, 0}, 100, 180, 270), Line({-100, -80}, {0, 20})}, {}, 0, {-79.5, -59.5},
       1, {-80, -60}},
      {"closing segment of a closed path", {Line({0, 50}, {100, 50})}, {{0, 0}, {100, 0}, {100, 100}}, 1,
       {50.5, 50.6}, 1, {50, 50}},
      {"two arcs", {Arc({0, 0}, 100, 0, 90), Arc({100, 0}, 100, 90, 180)}, {}, 0, {50.5, 86}, 1,
       {50, std::sqrt(7500.0)}},
      // clang-format on
  };
  for (const auto& c : cases) {
    LayerHandle layer = vmhost::AddLayer(c.what);
    for (const Curve& s : c.segments) Curved(LayerGroup(layer), s);
    if (!c.polyline.empty()) vmhost::AddPolyline(LayerGroup(layer), c.polyline, c.closed);
    const ListSnap s = RunListSnap(SnapToIntersections, c.cursor, 3);
    EXPECT_EQ(s.kind, c.found ? kSnapKindIntersection : 0) << c.what;
    const RealPoint at = c.found ? c.at : c.cursor;
    EXPECT_NEAR(s.point.h, at.h, 1e-4) << c.what;
    EXPECT_NEAR(s.point.v, at.v, 1e-4) << c.what;
    if (c.found) {
      EXPECT_TRUE(IsSingle(s.point.h)) << c.what;
      EXPECT_TRUE(IsSingle(s.point.v)) << c.what;
    }
    EXPECT_EQ(s.hits[0].art != nullptr && s.hits[1].art != nullptr, c.found) << c.what;
    if (c.found && s.hits[0].art == s.hits[1].art) {
      EXPECT_LT(s.hits[0].segment, s.hits[1].segment) << c.what;
    }
    EXPECT_TRUE(IsNoHit(s.hits[2])) << c.what;
    sAILayer->DeleteLayer(layer);
  }
}

}  // namespace
}  // namespace vmtest
