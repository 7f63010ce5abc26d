// Hit tests in a document of the stand-in host: two screen pixels at the
// zoom of the document's first view.
#include <cmath>

#include "geometry/host_math.h"
#include "geometry/segment_snap.h"
#include "geometry/view_hit_test.h"
#include "support/module_suites.h"
#include "support/module_fixture.h"

using namespace vmtest;

namespace {

using ViewTolerance = ModuleTest;

// A piece: a straight seam from (0, 0) to (100, 0), then a quarter circle of
// radius 100 round (0, 0) up to (0, 100).
std::vector<PathSegment> Piece() {
  const double k = 55.22847498;
  return {{{0, 0}, {0, 0}, {0, 0}, 1}, {{100, 0}, {100, 0}, {100, k}, 0}, {{0, 100}, {k, 100}, {0, 100}, 0}};
}

TEST_F(ViewTolerance, TwoScreenPixelsAtTheFirstViewsZoom) {
  const struct {
    double zoom;
    double tolerance;
  } cases[] = {{2, 1}, {0.5, 4}, {1, 2}, {-0.5, 1}, {0, 0}};
  for (const auto& c : cases) {
    vmhost::SetZoom(c.zoom);
    ModuleSuites held;
    EXPECT_EQ(::ViewTolerance(), c.tolerance) << c.zoom;
    RealPoint corner{10 + c.tolerance, 20 - c.tolerance}, beyond{10 + c.tolerance + 0.01, 20};
    EXPECT_EQ(IsPointNearPointInView(&corner, {10, 20}), 1) << c.zoom;  // bounds inclusive
    EXPECT_EQ(IsPointNearPointInView(&beyond, {10, 20}), 0) << c.zoom;
    EXPECT_EQ(corner.h, 10) << c.zoom;
    EXPECT_EQ(beyond.h, 10 + c.tolerance + 0.01) << c.zoom;
  }
  vmhost::CloseDocument(doc);
  ModuleSuites held;
  EXPECT_EQ(::ViewTolerance(), 2);  // no view: taken at 100 %
}

TEST_F(ViewTolerance, SnappingOntoThePieceFollowsTheZoom) {
  const ArtHandle art = vmhost::AddPath(nullptr, Piece(), false);
  const std::vector<PathSegment> s = vmhost::Segments(art);
  for (const double zoom : {2.0, 0.5}) {
    vmhost::SetZoom(zoom);
    ModuleSuites held;
    RealPoint nearSeam{40, 1.5};
    EXPECT_EQ(SnapPointToPathSegment(&nearSeam, s[0], s[1], 1), zoom < 1) << zoom;
    EXPECT_EQ(nearSeam.v, zoom < 1 ? 0 : 1.5);
    // The arc takes a point only on its own sweep, the seam only straight hits.
    RealPoint nearArc{0, 101.5};
    EXPECT_EQ(HitTestSegmentInView(&nearArc, s[1], s[2]), zoom < 1) << zoom;
    EXPECT_NEAR(std::hypot(nearArc.h, nearArc.v), zoom < 1 ? 100 : 101.5, 1e-4);
    RealPoint onSeam{40, 0.5};
    EXPECT_EQ(HitTestSegmentInView(&onSeam, s[0], s[1]), 0);
    EXPECT_EQ(HitTestSegmentInViewAlt(&onSeam, s[0], s[1]), 1);
    EXPECT_EQ(HitTestSegmentInViewAlt(&nearArc, s[1], s[2]), 0);
  }
}

TEST_F(ViewTolerance, RectanglesThroughTheHostsRealMath) {
  vmhost::SetZoom(2);
  ModuleSuites held;
  const RealRect bounds{0, 100, 50, 0};  // y up: top > bottom
  EXPECT_EQ(IsPointInRectInView({51, 101}, bounds), 1);
  EXPECT_EQ(IsPointInRectInView({51.5, 50}, bounds), 0);
  RealPoint p{25.5, 49};
  EXPECT_EQ(IsPointNearRectCenterInView(&p, bounds), 1);
  EXPECT_EQ(p.h, 25);
  EXPECT_EQ(p.v, 50);

  RealRect overlap;
  EXPECT_EQ(RealRectsOverlap(bounds, {40, 120, 80, 90}, &overlap), 1);
  EXPECT_EQ(overlap.left, 40);
  EXPECT_EQ(overlap.bottom, 90);
  EXPECT_EQ(RealRectsOverlap(bounds, {60, 120, 80, 90}, &overlap), 0);
  EXPECT_EQ(overlap.right, 0);
}

}  // namespace
