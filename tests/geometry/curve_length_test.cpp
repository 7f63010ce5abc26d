#include <cmath>

#include "curve_fixture.h"
#include "geometry/segment_length.h"

using CurveLength = CurveTest;

TEST_F(CurveLength, WeightTablesAndParameters) {
  const BezierWeightTables& w = gPlugin->bezier;
  EXPECT_EQ(w.weightA64[0], 1.0);
  EXPECT_EQ(w.weightA64[64], 0);
  EXPECT_EQ(w.weightB32[0], 0);
  EXPECT_EQ(w.weightB32[32], 0);
  EXPECT_EQ(w.weightA32[16], 0.125);
  EXPECT_EQ(w.weightB32[16], 0.375);
  const CubicPoints c{{1.1, 2.2}, {3, 9}, {7, -4}, {8.3, 0.7}};
  EXPECT_EQ(CubicStep64(c, 64).h, 8.3);  // the last step lands on the anchor itself
  RealPoint quarter;
  EvaluateCubicBezier(c.p0, c.p1, c.p2, c.p3, 0.25, &quarter);
  EXPECT_NEAR(BezierParameterOfPoint(c.p0, c.p1, c.p2, c.p3, quarter), 0.25, 1e-3);
  EXPECT_EQ(BezierParameterOfPoint(c.p0, c.p0, c.p0, c.p0, c.p0), 0.0);  // no length, no division
  EXPECT_EQ(BezierAngleAt({0, 0}, {0, 10}, {10, 0}, {10, 0}, 1.0), 0);  // a retracted handle: the chord
}

TEST_F(CurveLength, KnownShapes) {
  const Curve line = Line({0, 0}, {3, 4});
  EXPECT_EQ(BezierSegmentLength(line.s1, line.s2), 5);
  const Curve quarter = Arc({0, 0}, 100, 0, 90);
  EXPECT_NEAR(BezierSegmentLength(quarter.s1, quarter.s2), 50 * M_PI, 0.05);
  const Curve bent = Cubic({0, 0}, {0, 0}, {0, 10}, {10, 0});  // one handle retracted: still a curve
  EXPECT_GT(BezierSegmentLength(bent.s1, bent.s2), 10.5);
}

TEST_F(CurveLength, LengthToAStopPoint) {
  const Curve line = Line({0, 0}, {3, 4});
  RealPoint stop{1.5 + 0.00004, 2 - 0.00003};
  EXPECT_NEAR(LengthAlongSegment(line.s1, line.s2, &stop), 2.5, 1e-9);
  EXPECT_NEAR(stop.v, 2.0, 1e-9);  // moved onto the segment
  RealPoint nearStart{0.6, 0.8};
  EXPECT_NEAR(LengthAlongSegment(line.s1, line.s2, &nearStart), 1, 1e-9);
  RealPoint offLine{1.5, 3};
  EXPECT_EQ(LengthAlongSegment(line.s1, line.s2, &offLine), 5);

  const Curve quarter = Arc({0, 0}, 100, 0, 90);
  RealPoint onArc{100 * std::cos(M_PI / 4), 100 * std::sin(M_PI / 4)};
  EXPECT_NEAR(LengthAlongSegment(quarter.s1, quarter.s2, &onArc), 25 * M_PI, 1e-3);
  const Curve seam = Arc({0, 0}, 100, 150, 210);  // across the half turn: the short way round
  EXPECT_NEAR(LengthAlongSegment(seam.s1, seam.s2, nullptr), 100 * M_PI / 3, 1e-3);

  const Curve s = Cubic({0, 0}, {40, 60}, {60, -60}, {100, 0});
  RealPoint middle = CubicStep64(CubicOfSegments(s.s1, s.s2), 32);
  const double whole = LengthAlongSegment(s.s1, s.s2, nullptr);
  EXPECT_DOUBLE_EQ(whole, BezierSegmentLength(s.s1, s.s2));
  EXPECT_NEAR(LengthAlongSegment(s.s1, s.s2, &middle), whole / 2, 1e-9);
}

TEST_F(CurveLength, PointAtLengthGoesTheWayOfTravel) {
  RealPoint p{-1, -1};
  double angle = 0;
  const Curve line = Line({0, 0}, {3, 4});
  EXPECT_EQ(PointAtLengthOnSegment(line.s1, line.s2, 2.5, &p, &angle), 1);
  EXPECT_EQ(PointAtLengthOnSegment(line.s1, line.s2, 5.5, &p, &angle), 0);
  EXPECT_NEAR(p.h, 1.5, 1e-12);  // the shorter segment wrote nothing
  const Curve s = Cubic({0, 0}, {40, 60}, {60, -60}, {100, 0});  // symmetric: half its length at step 32
  ASSERT_EQ(PointAtLengthOnSegment(s.s1, s.s2, BezierSegmentLength(s.s1, s.s2) / 2, &p, &angle), 1);
  const RealPoint middle = CubicStep64(CubicOfSegments(s.s1, s.s2), 32);
  EXPECT_NEAR(p.h, middle.h, 1e-6);
  EXPECT_NEAR(p.v, middle.v, 1e-6);
  // On an arc either way round, and across the seam, the direction is the curve's own.
  for (const double sweep : {90, -90, 60}) {
    const Curve arc = Arc({0, 0}, 100, 150, 150 + sweep);
    const CubicPoints c = CubicOfSegments(arc.s1, arc.s2);
    ASSERT_EQ(PointAtLengthOnSegment(arc.s1, arc.s2, std::abs(sweep) / 360 * M_PI * 100, &p, &angle), 1);
    RealPoint half;
    EvaluateCubicBezier(c.p0, c.p1, c.p2, c.p3, 0.5, &half);
    EXPECT_NEAR(p.h, half.h, 1e-3);
    EXPECT_NEAR(p.v, half.v, 1e-3);
    EXPECT_NEAR(std::remainder(angle - BezierAngleAt(c.p0, c.p1, c.p2, c.p3, 0.5), 2 * M_PI), 0, 0.02);
    EXPECT_EQ(PointAtLengthOnSegment(arc.s1, arc.s2, std::abs(sweep) / 180 * M_PI * 100 + 1, &p, &angle), 0);
  }
}
