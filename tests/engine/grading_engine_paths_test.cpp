// Handles that work on a path's run of curves or on one anchor: length, arc,
// point and measurement handles, and the measurement frame of distance handles.
#include "engine/variable_value.h"
#include "geometry/segment_length.h"
#include "grading_engine_scene.h"

namespace vmtest {
namespace {

const double k = kKappa;

class GradingPathsTest : public GradingScene {
 protected:
  // A closed bodice-like outline: straight sides, a quarter arc of radius 100
  // about (100, 150) from anchor 2 to 3, and a free curve from 3 to 4.
  ArtHandle Bodice() {
    return Path({vmhost::Corner(0, 0), vmhost::Corner(200, 0), Smooth({200, 150}, {200, 150}, {200, 150 + k}),
                 Smooth({100 + k, 250}, {100, 250}, {70, 250}), Smooth({30, 240}, {0, 200}, {0, 200})},
                true);
  }
  static std::string Fixed(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
  }
};

TEST_F(GradingPathsTest, AmountOfOneHundredChangesNothing) {
  ArtHandle art = Bodice();
  const struct {
    int16_t kind, direction;
    int32_t i1, i2;
    double tol;
  } cases[] = {
      {kHandleDistance, 0, 0, 2, 1e-9}, {kHandleDistance, 1, 0, 2, 1e-9},
      {kHandleDistance, 2, 0, 2, 1e-9}, {kHandleLength, 0, 2, 4, 0.02},  // the bisection's resolution
      {kHandleArc, 0, 2, 3, 1e-9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    Handle(0, c.kind, On(art, c.i1), On(art, c.i2), "100.0", c.direction);
    ExpectSamePath(Grade(art), vmhost::Segments(art), c.tol);
  }
}

TEST_F(GradingPathsTest, LengthHandleFitsEachCurveByItsControlHandles) {
  ArtHandle art = Bodice();
  const auto drawn = vmhost::Segments(art);
  // From anchor 4 to 2 the run goes round through anchor 0: all straight, so nothing changes.
  Handle(0, kHandleLength, On(art, 4), On(art, 2), "250");
  ExpectSamePath(Grade(art), drawn, 0);
  EXPECT_EQ(globals().envLength, 200 + 200 + 150);

  const double curve3 = BezierSegmentLength(drawn[2], drawn[3]);
  const double curve4 = BezierSegmentLength(drawn[3], drawn[4]);
  Handle(0, kHandleLength, On(art, 2), On(art, 4), "98");
  auto graded = Grade(art);
  EXPECT_DOUBLE_EQ(globals().envLength, curve3 + curve4);
  EXPECT_NEAR(BezierSegmentLength(graded[2], graded[3]), 0.98 * curve3, 0.05);
  EXPECT_NEAR(BezierSegmentLength(graded[3], graded[4]), 0.98 * curve4, 0.05);
  ExpectNear(graded[3].p, {100, 250}, 0);
  EXPECT_NEAR(graded[3].out.v, 250, 1e-9);  // the handle keeps its direction

  // Shorter than its chord the curve becomes straight; the handles grow at most four times.
  for (double scale : {0, 4}) {
    Handle(0, kHandleLength, On(art, 3), On(art, 4), scale ? "1000" : "50");
    graded = Grade(art);
    ExpectNear(graded[3].out, {100 - 30 * scale, 250}, 0.01);
    ExpectNear(graded[4].in, {30 * scale, 200 + 40 * scale}, 0.01);
  }
}

TEST_F(GradingPathsTest, ArcHandleScalesTheWholeArcAboutItsTangentMeeting) {
  // A quarter arc between straight tails: its end tangents meet at (100, 100).
  ArtHandle tails = Path({vmhost::Corner(100, -50), Smooth({100, 0}, {100, 0}, {100, k}),
                          Smooth({k, 100}, {0, 100}, {0, 100}), vmhost::Corner(-50, 100)},
                         false);
  // A half circle grows from its first quarter; its end tangents are parallel,
  // so it scales about the circle's centre, as does a whole circle whose handle
  // crosses the closing anchor.
  ArtHandle half = Path({Smooth({100, 0}, {100, 0}, {100, k}), Smooth({k, 100}, {0, 100}, {-k, 100}),
                         Smooth({-100, k}, {-100, 0}, {-100, 0})},
                        false);
  ArtHandle circle =
      Path({Smooth({100, -k}, {100, 0}, {100, k}), Smooth({k, 100}, {0, 100}, {-k, 100}),
            Smooth({-100, k}, {-100, 0}, {-100, -k}), Smooth({-k, -100}, {0, -100}, {k, -100})},
           true);
  // Two quarter arcs of different circles are no arc: parallel end tangents, so midway between the ends.
  ArtHandle twoArcs = Path({Smooth({100, 0}, {100, 0}, {100, k}), Smooth({k, 100}, {0, 100}, {-k / 2, 100}),
                            Smooth({-50, 50 + k / 2}, {-50, 50}, {-50, 50})},
                           false);
  ArtHandle rect = Polyline({{10, 10}, {110, 10}, {110, 60}, {10, 60}}, true);
  // Two eighths of a circle about (0, 0) meet at anchor 0, so a handle from anchor 3 to 1 crosses the
  // closing anchor; the arc leaves anchor 3 by its out handle and reaches anchor 1 by its in handle.
  const double e = 100 * 4.0 / 3 * std::tan(M_PI / 16), d = 100 / std::sqrt(2.0), t = e / std::sqrt(2.0);
  ArtHandle cornered =
      Path({Smooth({d + t, d - t}, {d, d}, {d - t, d + t}), Smooth({e, 100}, {0, 100}, {0, 100}),
            vmhost::Corner(0, 0), Smooth({100, 0}, {100, 0}, {100, e})},
           true);
  const struct {
    ArtHandle art;
    int32_t i1, i2;
    const char* amount;
    double r;
    RealPoint centre;
    size_t first, last;  // the anchors scaled, round through anchor 0 when last < first
    double radius;       // measured afterwards
  } cases[] = {{tails, 1, 2, "150", 1.5, {100, 100}, 1, 2, 150},
               {half, 0, 1, "150", 1.5, {0, 0}, 0, 2, 150},
               {half, 1, 2, "150", 1.5, {0, 0}, 0, 2, 150},  // grows back to the first anchor
               {circle, 3, 1, "50", 0.5, {0, 0}, 0, 3, 50},
               {circle, 0, 1, "50", 0.5, {0, 0}, 0, 3, 50},  // grows round through the closing curve
               {twoArcs, 0, 2, "200", 2, {25, 25}, 0, 2, 0},
               {cornered, 3, 1, "150", 1.5, {100, 100}, 3, 1, 150},
               {rect, 0, 0, "200", 2, {10, 10}, 0, 3, 0}};  // ends on one anchor: the whole path about it
  SetVariable(0, "radius", "");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.amount);
    Handle(0, kHandleArc, On(c.art, c.i1), On(c.art, c.i2), c.amount);
    std::strcpy(Handle(1, kHandleMeasurement, On(c.art, c.i1), On(c.art, c.i2), "").line.amountExpr[3],
                "radius");
    auto expected = vmhost::Segments(c.art);
    for (size_t i = 0; i < expected.size(); ++i) {
      if (c.first <= c.last ? i < c.first || i > c.last : i < c.first && i > c.last) continue;
      for (RealPoint* q : {&expected[i].p, &expected[i].in, &expected[i].out}) {
        *q = {c.centre.h + (q->h - c.centre.h) * c.r, c.centre.v + (q->v - c.centre.v) * c.r};
      }
    }
    ExpectSamePath(Grade(c.art), expected, 1e-6);
    EXPECT_NEAR(globals().envRadius, c.radius / c.r, 0.05);
    EXPECT_NEAR(std::stod(Variable(0)), c.radius * globals().unitPerPoint, 0.02);
  }
}

TEST_F(GradingPathsTest, MeasurementWritesVariablesThatLaterHandlesRead) {
  ArtHandle art = Polyline({{0, 0}, {100, 0}, {100, 50}}, false);
  ArtHandle other = Polyline({{200, 0}, {300, 0}}, false);
  const char* names[] = {"d", "a", "l", "r"};
  for (int row = 0; row < 4; ++row) SetVariable(row, names[row], "old");
  const double upp = globals().unitPerPoint;
  RevisionHandle& m = Handle(0, kHandleMeasurement, On(art, 0), On(art, 2), "");
  for (int i = 0; i < 4; ++i) std::strcpy(m.line.amountExpr[i], names[i]);
  Handle(1, kHandleDistance, On(art, 0), On(art, 1), "l");
  ExpectNear(Grade(art)[1].p, {std::stod(Fixed(150 * upp)), 0}, 1e-9);
  const std::string measured[] = {Fixed(std::sqrt(12500.0) * upp),
                                  Fixed(std::atan2(50.0, 100.0) / 3.141592 * 180), Fixed(150 * upp), "0.00"};
  for (int row = 0; row < 4; ++row) EXPECT_EQ(Variable(row), measured[row]);

  m.line.art2 = other;  // two paths: no run, so empty length and radius texts
  m.line.index2 = 1;
  Grade(art);
  EXPECT_EQ(Variable(0), Fixed(300 * upp));
  EXPECT_EQ(Variable(2), "");
  EXPECT_EQ(Variable(3), "");
}

TEST_F(GradingPathsTest, DistanceInTheFrameOfAMeasurementHandle) {
  ArtHandle art = Polyline({{0, 0}, {100, 0}, {100, 50}}, false);
  const double L = 1.5 * std::sqrt(12500.0);
  SetVariable(0, "turn", "90");
  Handle(0, kHandleDistance, On(art, 0), On(art, 2), "150", 5);
  // Only measurement handles that name an angle variable give frames.
  std::strcpy(Handle(1, kHandleMeasurement, On(art, 0), On(art, 1), "").line.amountExpr[0], "d");
  std::strcpy(Handle(2, kHandleMeasurement, On(art, 1), On(art, 2), "").line.amountExpr[1], "turn");
  ExpectNear(Grade(art, 0)[2].p, {100, std::sqrt(L * L - 100 * 100)}, 1e-4);
  // Without that measurement handle the grading direction stands in.
  globals().handles[2].kind = kHandleFree;
  ExpectNear(Grade(art)[2].p, {std::sqrt(L * L - 50 * 50), 50}, 1e-9);
}

TEST_F(GradingPathsTest, SetVariableValueCutsAtAWholeCharacter) {
  SetVariable(0, "a", "1");
  SetVariable(2, "b", "2");  // after an empty row: never reached
  SetVariableValue("b", "9");
  EXPECT_EQ(Variable(2), "2");
  SetVariableValue("a", (std::string(4094, 'x') + "\x82\xa0y").c_str());
  EXPECT_EQ(Variable(0), std::string(4094, 'x'));
}

}  // namespace
}  // namespace vmtest
