#include "geometry/point_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "curve_fixture.h"
#include "geometry/arc_detect.h"
#include "geometry/int_point.h"
#include "geometry/numeric.h"

TEST(Numeric, TieAndRoundingRules) {
  EXPECT_EQ(SignOf(0), 1);
  EXPECT_EQ(SignOf(-0.5), -1);
  // Equal arguments give the second one back: -0.0 and 0.0 tell them apart.
  EXPECT_TRUE(std::signbit(MinOf(0.0, -0.0)) && std::signbit(MaxOf(0.0, -0.0)));
  EXPECT_EQ(NearlyEqual(0, 0.0001), 0);
  EXPECT_EQ(NearlyEqual(0, 0.00005), 1);
  EXPECT_EQ(IntPower(2, -3), 1.0);
  EXPECT_EQ(IntPower(2, 3), 8.0);
  const struct {
    double x;
    int32_t rounded, truncated;
  } cases[] = {
      {2.5, 3, 2}, {-2.5, -3, -2}, {-0.4, 0, 0}, {1e12, INT32_MAX, INT32_MAX}, {-1e12, INT32_MIN, INT32_MIN},
      {NAN, 0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(RoundToInt(c.x), c.rounded) << c.x;
    EXPECT_EQ(TruncToInt(c.x), c.truncated) << c.x;
  }
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
               {{0, 0}, {10, 0}, {13, 4}, 5, {10, 0}},   // beyond b
               {{0, 0}, {0, 10}, {3, 14}, 5, {0, 10}},   // beyond b, upright
               {{0, 0}, {10, 0}, {-3, -4}, 5, {0, 0}}};  // beyond a
  for (const auto& c : cases) {
    RealPoint foot{};
    EXPECT_NEAR(PointSegmentDistance2(c.a, c.b, c.p, &foot), c.distance, 1e-12);
    EXPECT_NEAR(foot.h, c.foot.h, 1e-12);
    EXPECT_NEAR(foot.v, c.foot.v, 1e-12);
  }
}

TEST(CircleFromTwoChords, CentreFromTheEndNormals) {
  const struct {
    const char* what;
    Curve curve;
    int16_t result;
    RealPoint centre;  // -1, -1: not written
    double radius;     // -1: not written
  } cases[] = {{"quarter circle", Cubic({100, 0}, {100, 55.23}, {55.23, 100}, {0, 100}), 1, {0, 0}, 100},
               {"both handles flat", Cubic({0, 0}, {10, 0}, {20, 5}, {30, 5}), 0, {-1, -1}, -1},
               {"ends 0.2 % apart", Cubic({100, 0}, {100, 55}, {55, 100.2}, {0, 100.2}), 0, {0, 0}, -1},
               {"parallel handles", Cubic({0, 0}, {10, 10}, {30, 10}, {20, 0}), 0, {-1, -1}, -1}};
  for (const auto& c : cases) {
    RealPoint centre{-1, -1};
    double radius = -1;
    EXPECT_EQ(CircleFromTwoChords(c.curve.s1, c.curve.s2, &centre, &radius), c.result) << c.what;
    EXPECT_DOUBLE_EQ(centre.h, c.centre.h) << c.what;
    EXPECT_DOUBLE_EQ(centre.v, c.centre.v) << c.what;
    EXPECT_DOUBLE_EQ(radius, c.radius) << c.what;
  }
}

TEST(CircleThroughThreePoints, CentreOrNothingForPointsInALine) {
  const struct {
    const char* what;
    RealPoint a, b, c;
    int16_t result;
    RealPoint centre;
    double radius;
  } cases[] = {{"first pair level", {0, 0}, {10, 0}, {10, 10}, 1, {5, 5}, std::sqrt(50.0)},
               {"second pair level", {0, 10}, {0, 0}, {10, 0}, 1, {5, 5}, std::sqrt(50.0)},
               {"one horizontal line", {0, 3}, {5, 3}, {9, 3}, 0, {-1, -1}, 0},
               {"one sloping line", {0, 0}, {1, 2}, {3, 6}, 0, {-1, -1}, 0},
               {"one vertical line", {4, 0}, {4, 1}, {4, 9}, 0, {-1, -1}, 0}};
  for (const auto& c : cases) {
    RealPoint centre{-1, -1};
    double radius = -1;
    EXPECT_EQ(CircleThroughThreePoints(c.a, c.b, c.c, &centre, &radius), c.result) << c.what;
    EXPECT_NEAR(centre.h, c.centre.h, 1e-12) << c.what;
    EXPECT_NEAR(centre.v, c.centre.v, 1e-12) << c.what;
    EXPECT_NEAR(radius, c.radius, 1e-12) << c.what;
  }
}

TEST(SameSideOfPointList, AgreesForEveryPointOrGivesZero) {
  const RealPoint line[] = {{0, 0}, {10, 0}, {20, 0}};
  EXPECT_EQ(SameSideOfPointList(line, 3, {5, 3}), 1);
  EXPECT_EQ(SameSideOfPointList(line, 3, {45, 3}), 0);  // seen from the last point it is on the far side
  EXPECT_EQ(SameSideOfPointList(line, 2, {45, 3}), 1);
  // A list too short to give a direction reads no point past its end.
  const RealPoint single[] = {{0, 0}};
  EXPECT_EQ(SameSideOfPointList(single, 1, {5, 3}), 1);
  EXPECT_EQ(SameSideOfPointList(single, 0, {5, 3}), 1);
}

// The integer rectangle is made from top, left, bottom, right, but holds left, top, right, bottom.
TEST(IntPoint, RectangleArgumentOrderAndPointMoves) {
  IntRect r;
  MakeIntRect(&r, 1, 2, 3, 4);
  EXPECT_EQ((std::vector<int32_t>{r.left, r.top, r.right, r.bottom}), (std::vector<int32_t>{2, 1, 4, 3}));
  IntPoint p, q;
  SetIntPoint(&p, 3, 4);
  SetIntPoint(&q, 1, 1);
  OffsetIntPoint(2, 3, &q);
  EXPECT_EQ(IntPointsEqual(p, q), 1);
  OffsetIntPoint(0, 1, &q);
  EXPECT_EQ(IntPointsEqual(p, q), 0);
}
