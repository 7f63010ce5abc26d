#include <algorithm>
#include <cmath>

#include "curve_fixture.h"
#include "geometry/arc_detect.h"
#include "geometry/point_math.h"
#include "geometry/segment_snap.h"

using ArcDetection = CurveTest;
using Snapping = CurveTest;

TEST_F(ArcDetection, AcceptsTrueArcsOnly) {
  RealPoint centre{};
  double radius = 0;
  const Curve quarter = Arc({10, 20}, 100, 0, 90);
  ASSERT_EQ(DetectCircularArcInBezier(quarter.s1, quarter.s2, &centre, &radius), 1);
  EXPECT_NEAR(centre.h, 10, 1e-9);
  EXPECT_NEAR(centre.v, 20, 1e-9);
  EXPECT_NEAR(radius, 100, 1e-9);
  // The usual arc strays about 0.16 from a circle of 600: within 600 / 3000.
  const Curve large = Arc({0, 0}, 600, 0, 90);
  EXPECT_EQ(DetectCircularArcInBezier(large.s1, large.s2, &centre, &radius), 1);
  // A small arc may stray 0.05 (0.03 here), more than its radius / 3000.
  const Curve small = Cubic({30, 0}, {30, 16.626}, {16.626, 30}, {0, 30});
  EXPECT_EQ(DetectCircularArcInBezier(small.s1, small.s2, &centre, &radius), 1);

  const struct {
    const char* what;
    Curve curve;
  } refused[] = {{"small arc bulging 0.12", Cubic({30, 0}, {30, 16.8}, {16.8, 30}, {0, 30})},
                 {"large arc bulging 0.6", Cubic({600, 0}, {600, 332.5}, {332.5, 600}, {0, 600})},
                 {"handles under 0.1", Arc({0, 0}, 0.15, 0, 90)},
                 {"handles differing by 0.02", Cubic({100, 0}, {100, 55.23}, {55.25, 100}, {0, 100})},
                 {"straight, on one horizontal line", Cubic({0, 0}, {10, 0}, {20, 0}, {30, 0})},
                 // its circle runs within 0.01 of the chord's middle
                 {"all but straight, bulging 0.003", Cubic({0, 0}, {10, 0.004}, {20, 0.004}, {30, 0})},
                 {"all but straight and tilted", Cubic({0, 0}, {10, 10.006}, {20, 20.006}, {30, 30})},
                 {"semicircle, both handles vertical", Cubic({-50, 0}, {-50, 66.7}, {50, 66.7}, {50, 0})},
                 {"tilted semicircle", Arc({0, 0}, 50, 45, 225)},
                 {"S curve", Cubic({0, 0}, {40, 60}, {60, -60}, {100, 0})}};
  for (const auto& r : refused) {
    RealPoint untouched{-7, -7};
    double noRadius = -7;
    EXPECT_EQ(DetectCircularArcInBezier(r.curve.s1, r.curve.s2, &untouched, &noRadius), 0) << r.what;
    EXPECT_EQ(untouched.h, -7) << r.what;
    EXPECT_EQ(noRadius, -7) << r.what;
  }
}

TEST_F(Snapping, LineSnapMovesAlongOneAxis) {
  const struct {
    const char* what;
    RealPoint a, b, p;
    int32_t moved;
    RealPoint result;
  } cases[] = {{"slope 0.5 moves vertically", {0, 0}, {20, 10}, {10, 5.5}, 1, {10, 5}},
               {"slope 0.51 moves horizontally", {0, 0}, {100, 51}, {50, 26}, 1, {50.98039215686275, 26}},
               {"vertical segment", {3, 0}, {3, 10}, {3.5, 4}, 1, {3, 4}},
               {"beyond the grown box", {0, 0}, {10, 0}, {11.5, 0.2}, 0, {11.5, 0.2}},
               {"too far off the line", {0, 0}, {10, 0}, {5, 1}, 0, {5, 1}}};
  for (const auto& c : cases) {
    RealPoint p = c.p;
    EXPECT_EQ(SnapPointToLineSegment(&p, c.a, c.b, 1.0), c.moved) << c.what;
    EXPECT_NEAR(p.h, c.result.h, 1e-5) << c.what;
    EXPECT_NEAR(p.v, c.result.v, 1e-5) << c.what;
    EXPECT_TRUE(IsSingle(p.h)) << c.what;
  }
  // A foot beyond an end takes the end only when it is nearer than the tolerance.
  RealPoint nearEnd{10.5, 0.2}, farEnd{10.9, 0.9};
  EXPECT_EQ(PerpendicularFootOnSegment(&nearEnd, {0, 0}, {10, 0}, 1.0), 1);
  EXPECT_EQ(nearEnd.h, 10);
  EXPECT_EQ(nearEnd.v, 0);
  EXPECT_EQ(PerpendicularFootOnSegment(&farEnd, {0, 0}, {10, 0}, 1.0), 0);
}

TEST_F(Snapping, ArcTakesPointsInsideItsSweepOnly) {
  const Curve arc = Arc({0, 0}, 100, 150, 210);  // across the -pi/pi seam
  const struct {
    double degrees;
    int16_t moved;
  } cases[] = {{180, 1}, {-170, 1}, {160, 1}, {140, 0}, {-140, 0}, {0, 0}};
  for (const auto& c : cases) {
    const double a = c.degrees * M_PI / 180;
    RealPoint p{101 * std::cos(a), 101 * std::sin(a)};
    EXPECT_EQ(SnapPointToBezierSegment(&p, arc.s1, arc.s2, 2.0, 0), c.moved) << c.degrees;
    EXPECT_NEAR(std::hypot(p.h, p.v), c.moved ? 100 : 101, 1e-4) << c.degrees;
  }
}

TEST_F(Snapping, CurveSnapOnlyWhenCurvesAllowed) {
  const Curve s = Cubic({0, 0}, {40, 60}, {60, -60}, {100, 0});
  const CubicPoints c = CubicOfSegments(s.s1, s.s2);
  RealPoint onCurve;
  EvaluateCubicBezier(c.p0, c.p1, c.p2, c.p3, 0.3, &onCurve);
  RealPoint p{onCurve.h + 0.5, onCurve.v + 0.5};
  EXPECT_EQ(SnapPointToBezierSegment(&p, s.s1, s.s2, 2.0, 0), 0);
  ASSERT_EQ(SnapPointToBezierSegment(&p, s.s1, s.s2, 2.0, 1), 1);
  EXPECT_LT(DistanceBetween(p, onCurve), 0.75);
  double nearest = 1;  // onto the curve, not merely near it
  for (int i = 200; i <= 400; ++i) {
    RealPoint q;
    EvaluateCubicBezier(c.p0, c.p1, c.p2, c.p3, i / 1000.0, &q);
    nearest = std::min(nearest, DistanceBetween(p, q));
  }
  EXPECT_LT(nearest, 0.02);
  EXPECT_TRUE(IsSingle(p.h) && IsSingle(p.v));
  RealPoint far{50, 40};
  EXPECT_EQ(SnapPointToBezierSegment(&far, s.s1, s.s2, 2.0, 1), 0);
}
