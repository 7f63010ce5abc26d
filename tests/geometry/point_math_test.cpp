#include "geometry/point_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "curve_fixture.h"
#include "geometry/int_point.h"
#include "geometry/numeric.h"

TEST(Numeric, TieAndRoundingRules) {
  EXPECT_EQ(SignOf(0), 1);
  EXPECT_EQ(SignOf(-0.5), -1);
  // Equal arguments give the second one back: -0.0 and 0.0 tell them apart.
  EXPECT_TRUE(std::signbit(MinOf(0.0, -0.0)));
  EXPECT_TRUE(std::signbit(MaxOf(0.0, -0.0)));
  EXPECT_EQ(MinOf(3, 1), 1);
  EXPECT_EQ(MaxOf(1, 3), 3);
  EXPECT_EQ(NearlyEqual(0, 0.0001), 0);
  EXPECT_EQ(NearlyEqual(0, 0.00005), 1);
  const struct {
    double x;
    int32_t rounded;
    int32_t truncated;
  } cases[] = {{2.5, 3, 2},
               {-2.5, -3, -2},
               {-0.4, 0, 0},
               {1e12, INT32_MAX, INT32_MAX},
               {-1e12, INT32_MIN, INT32_MIN},
               {std::nan(""), 0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(RoundToInt(c.x), c.rounded) << c.x;
    EXPECT_EQ(TruncToInt(c.x), c.truncated) << c.x;
  }
  EXPECT_EQ(IntPower(7, 0), 1.0);
  EXPECT_EQ(IntPower(2, -3), 1.0);
  EXPECT_EQ(IntPower(2, 3), 8.0);
}

TEST(IntersectLines, MeetingPointOrParallel) {
  const struct {
    RealPoint p1, p2, q, p3, p4, r;
    int32_t met;
    RealPoint out;
  } cases[] = {{{0, 0}, {1, 1}, {0, 0}, {0, 0}, {1, -1}, {0, 4}, 1, {2, 2}},
               {{0, 0}, {0, 1}, {3, 0}, {0, 0}, {1, 2}, {0, 1}, 1, {3, 7}},   // line 1 vertical
               {{0, 0}, {1, 2}, {0, 1}, {5, 0}, {5, 9}, {3, 0}, 1, {3, 7}},   // line 2 vertical
               {{0, 0}, {0, 1}, {1, 0}, {2, 0}, {2, 5}, {4, 4}, 0, {4, 4}},   // both vertical
               {{0, 0}, {2, 1}, {0, 0}, {0, 3}, {4, 5}, {9, 9}, 0, {9, 9}}};  // same slope
  for (const auto& c : cases) {
    RealPoint out{-1, -1};
    EXPECT_EQ(IntersectLines(c.p1, c.p2, c.q, c.p3, c.p4, c.r, &out), c.met);
    EXPECT_DOUBLE_EQ(out.h, c.out.h);
    EXPECT_DOUBLE_EQ(out.v, c.out.v);
  }
}

TEST(PointSegmentDistance2, NearestPointOfSegment) {
  const struct {
    RealPoint a, b, p;
    double distance;
    RealPoint foot;
  } cases[] = {{{2, 2}, {2, 2}, {5, 6}, 5, {2, 2}},  // degenerate segment
               {{0, 0}, {10, 10}, {0, 10}, std::sqrt(50.0), {5, 5}},
               {{0, 0}, {10, 0}, {13, 4}, 5, {10, 0}},  // beyond b
               {{0, 0}, {0, 10}, {-3, 4}, 3, {0, 4}},
               {{0, 0}, {2, 0}, {1, 0}, 0, {1, 0}}};
  for (const auto& c : cases) {
    RealPoint foot{};
    EXPECT_NEAR(PointSegmentDistance2(c.a, c.b, c.p, &foot), c.distance, 1e-12);
    EXPECT_NEAR(foot.h, c.foot.h, 1e-12);
    EXPECT_NEAR(foot.v, c.foot.v, 1e-12);
  }
  EXPECT_EQ(PointSegmentDistance2({0, 0}, {1, 0}, {4, 0}, nullptr), 3);
}

TEST(CircleFromTwoChords, CentreFromTheEndNormals) {
  const Curve quarter = Cubic({100, 0}, {100, 55.23}, {55.23, 100}, {0, 100});
  RealPoint centre{-1, -1};
  double radius = -1;
  ASSERT_EQ(CircleFromTwoChords(quarter.s1, quarter.s2, &centre, &radius), 1);
  EXPECT_DOUBLE_EQ(centre.h, 0);
  EXPECT_DOUBLE_EQ(centre.v, 0);
  EXPECT_DOUBLE_EQ(radius, 100);

  centre = {-1, -1};
  const Curve flatHandles = Cubic({0, 0}, {10, 0}, {20, 5}, {30, 5});
  EXPECT_EQ(CircleFromTwoChords(flatHandles.s1, flatHandles.s2, &centre, &radius), 0);
  EXPECT_EQ(centre.h, -1);

  radius = -1;
  const Curve uneven = Cubic({100, 0}, {100, 55}, {55, 100.2}, {0, 100.2});
  EXPECT_EQ(CircleFromTwoChords(uneven.s1, uneven.s2, &centre, &radius), 0);
  EXPECT_DOUBLE_EQ(centre.h, 0);
  EXPECT_EQ(radius, -1);

  // Parallel handle lines: no centre, nothing written (no runaway division).
  centre = {-1, -1};
  const Curve tilted = Cubic({0, 0}, {10, 10}, {30, 10}, {20, 0});
  EXPECT_EQ(CircleFromTwoChords(tilted.s1, tilted.s2, &centre, &radius), 0);
  EXPECT_EQ(centre.h, -1);
}

TEST(SameSideOfPointList, SideTestAgreesForEveryPoint) {
  const RealPoint list[] = {{0, 0}, {10, 0}, {20, 0}};
  EXPECT_EQ(SameSideOfPointList(list, 3, {5, 5}), 1);
  EXPECT_EQ(SameSideOfPointList(list, 3, {-5, 0}), 0);
  // Too short a list to have a direction: nothing disagrees, nothing read past it.
  EXPECT_EQ(SameSideOfPointList(list, 1, {-5, 0}), 1);
}

TEST(IntPoint, RectangleArgumentOrder) {
  IntRect r;
  MakeIntRect(&r, 1, 2, 3, 4);  // top, left, bottom, right
  EXPECT_EQ(r.left, 2);
  EXPECT_EQ(r.top, 1);
  EXPECT_EQ(r.right, 4);
  EXPECT_EQ(r.bottom, 3);
  IntPoint p, q;
  SetIntPoint(&p, 3, 4);
  SetIntPoint(&q, 1, 1);
  OffsetIntPoint(2, 3, &q);
  EXPECT_EQ(IntPointsEqual(p, q), 1);
  EXPECT_EQ(MinInt(3, 3), 3);
  EXPECT_EQ(MaxInt(-1, 2), 2);
}
