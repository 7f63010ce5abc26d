// Grading a piece for one preset: the base scale, the slot walk, and distance
// and angle handles with their groups.
#include "grading_engine_scene.h"

namespace vmtest {
namespace {

class GradingEngineTest : public GradingScene {};

TEST_F(GradingEngineTest, BaseScaleWorksInTheGradingFrame) {
  ArtHandle art = Path({vmhost::Corner(20, 30), Smooth({90, 50}, {100, 50}, {110, 50})}, false);
  const struct {
    RealPoint origin;
    double angle;
    ScalePair scale;
    RealPoint p0, p1, in1;
  } cases[] = {
      {{10, 10}, 0, {1.2, 1.5}, {22, 40}, {118, 70}, {106, 70}},
      // Grading direction straight up: the h scale stretches the document's v.
      {{10, 10}, M_PI / 2, {2, 1}, {20, 50}, {100, 90}, {90, 90}},
      {{5, 7}, 0.3, {1, 1}, {20, 30}, {100, 50}, {90, 50}},
  };
  for (const auto& c : cases) {
    globals().grading_origin = c.origin;
    globals().grading_angle = c.angle;
    globals().presetScale[kScale] = c.scale;
    const auto graded = Grade(art);
    ASSERT_EQ(graded.size(), 2u);
    ExpectNear(graded[0].p, {c.p0.h, c.p0.v}, 1e-9);
    ExpectNear(graded[1].p, {c.p1.h, c.p1.v}, 1e-9);
    ExpectNear(graded[1].in, {c.in1.h, c.in1.v}, 1e-9);
  }
}

TEST_F(GradingEngineTest, SlotWalkStopsAtLastSlotAndPassesOverWhatItCannotUse) {
  ArtHandle art = Polyline({{0, 0}, {100, 0}, {100, 50}}, false);
  ArtHandle stranger = vmhost::AddPolyline(LayerGroup(), {{0, 0}, {5, 5}}, false);
  Handle(0, kHandlePlain, On(art, 0), On(art, 2), "300");
  Handle(1, kHandleDistance, On(art, 0), On(art, 2), "150");
  const auto drawn = vmhost::Segments(art);
  ExpectSamePath(Grade(art, -1), drawn, 0);
  ExpectSamePath(Grade(art, 0), drawn, 0);
  EXPECT_EQ(Grade(stranger).size(), 0u);

  // Indexes beyond the path and handles with no end on a path are passed over;
  // a point handle moves its anchor by millimetres.
  Handle(1, kHandleDistance, On(art, 0), {art, 7, {100, 50}}, "150");
  Handle(2, kHandleLength, {art, -1, {0, 0}}, On(art, 2), "150");
  Handle(3, kHandleDistance, Free({0, 0}), Free({9, 9}), "150");
  Handle(4, kHandleAngle, Free({0, 0}), Free({9, 9}), "45");
  RevisionHandle& point = globals().handles[5];
  point.kind = kHandlePoint;
  point.point = {art, 2, {}, {}};
  std::strcpy(point.point.xExpr[kScale], "10");
  std::strcpy(point.point.yExpr[kScale], "-5");
  // A free second end is exchanged into the handle table by the first grading.
  Handle(6, kHandleDistance, On(art, 1), Free({0, 0}), "50");
  const auto graded = Grade(art);
  ExpectNear(graded[1].p, {50, 0}, 1e-9);
  ExpectNear(graded[2].p, {100 + 10 * kMm, 50 - 5 * kMm}, 1e-9);
  ExpectNear(graded[2].in, {100 + 10 * kMm, 50 - 5 * kMm}, 1e-9);
  ExpectNear(graded[2].out, {100 + 10 * kMm, 50 - 5 * kMm}, 1e-9);
  const TwoPointHandleData& line = globals().handles[6].line;
  EXPECT_EQ(line.art1, nullptr);
  EXPECT_EQ(line.art2, art);
  EXPECT_EQ(line.index2, 1);
  ExpectNear(line.p1, {0, 0}, 0);
  ExpectNear(line.p2, {100, 0}, 0);
}

TEST_F(GradingEngineTest, DistanceHandleByDirection) {
  ArtHandle art = Polyline({{0, 0}, {100, 0}, {100, 50}}, false);
  const double L = 1.5 * std::sqrt(100.0 * 100 + 50 * 50);  // the span, 150 %
  // Direction 3 from (0, 100): the point of the ray through b at distance L from a.
  const RealPoint u{2 / std::sqrt(5.0), -1 / std::sqrt(5.0)};
  const double s = 100 * -u.v + std::sqrt(2000 - 100 * 100 + L * L);
  const char* moving = "moving_distance(10) / %%DISTANCE%% * 100 * %%GR_COMPSCALE%%";
  // Moving by a fifth of the span: horizontally to the right, vertically down,
  // and with both ends each end half of it, end 1 the other way.
  const char* fifth = "moving_distance(20)";
  const double M = 0.2 * std::sqrt(100.0 * 100 + 50 * 50);
  const double mA = 0.52 * L, mB = 0.48 * L;  // each end's distance from (52, 26), at 150 %
  const double back = std::atan2(50.0, 100.0) + 3.141593;  // away from end 2, with the engine's half turn
  const struct {
    int16_t direction, both;
    const char* amount;
    RealPoint origin, a, b;
  } cases[] = {
      {0, 0, "150", {0, 0}, {0, 0}, {150, 75}},
      {1, 0, "150", {0, 0}, {0, 0}, {std::sqrt(L * L - 50 * 50), 50}},
      {2, 0, "150", {0, 0}, {0, 0}, {100, std::sqrt(L * L - 100 * 100)}},
      {3, 0, "150", {0, 100}, {0, 0}, {s * u.h, 100 + s * u.v}},
      {4, 0, "150", {0, 0}, {0, 0}, {100, 50}},
      {1, 0, "10", {0, 0}, {0, 0}, {0, 50}},  // shorter than the height: as near as it gets
      {0, 0, moving, {0, 0}, {0, 0}, {100 + 10 * kMm * u.h, 50 - 10 * kMm * u.v}},
      {1, 0, fifth, {0, 0}, {0, 0}, {100 + M, 50}},
      {1, 1, fifth, {0, 0}, {-M / 2, 0}, {100 + M / 2, 50}},
      {0, 1, fifth, {0, 0}, {M / 2 * std::cos(back), M / 2 * std::sin(back)}, {100 + M / 2 * u.h, 50 - M / 2 * u.v}},
      {2, 0, fifth, {0, 0}, {0, 0}, {100, 50 - M}},
      {2, 1, fifth, {0, 0}, {0, M / 2}, {100, 50 - M / 2}},
      // Along the grading direction each end moves straight away from the origin.
      {3, 0, fifth, {0, 100}, {0, 0}, {100 + M * u.h, 50 + M * u.v}},
      {3, 1, fifth, {0, 100}, {0, -M / 2}, {100 + M / 2 * u.h, 50 + M / 2 * u.v}},
      // Both ends about the point (52, 26) of the span nearest to the origin.
      {0, 1, "150", {50, 30}, {-26, -13}, {124, 62}},
      {3, 1, "150", {50, 30}, {-25, -15}, {125, 60}},
      // Horizontally or vertically with both ends each end keeps its distance across from (52, 26).
      {1, 1, "150", {50, 30}, {52 - std::sqrt(mA * mA - 26 * 26), 0},
       {52 + std::sqrt(mB * mB - 24 * 24), 50}},
      {2, 1, "150", {50, 30}, {0, 26 - std::sqrt(mA * mA - 52 * 52)},
       {100, 26 + std::sqrt(mB * mB - 48 * 48)}},
      {0, 0, "nosuch(1)", {0, 0}, {0, 0}, {0, 0}},  // reported, and counts as 0
  };
  globals().envHandleSlot = 77;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.amount);
    globals().grading_origin = c.origin;
    Handle(0, kHandleDistance, On(art, 0), On(art, 2), c.amount, c.direction, c.both);
    const auto graded = Grade(art);
    ExpectNear(graded[0].p, {c.a.h, c.a.v}, 1e-9);
    ExpectNear(graded[2].p, {c.b.h, c.b.v}, 1e-3);
    ExpectNear(graded[2].in, {c.b.h, c.b.v}, 1e-3);
  }
  EXPECT_NEAR(globals().envDistance, L / 1.5, 1e-9);
  EXPECT_EQ(globals().envHandleSlot, 77u);
  ASSERT_EQ(AlertTexts().size(), 1u);
  EXPECT_EQ(AlertTexts()[0].rfind("Script Error!\ncommand not found(nosuch)", 0), 0u);

  // Drawn the other way, horizontally and vertically, the end moves left or down.
  Handle(0, kHandleDistance, On(art, 2), On(art, 0), "150", 1);
  ExpectNear(Grade(art)[0].p, {100 - std::sqrt(L * L - 50 * 50), 0}, 1e-9);
  Handle(0, kHandleDistance, On(art, 2), On(art, 0), "150", 2);
  ExpectNear(Grade(art)[0].p, {0, 50 - std::sqrt(L * L - 100 * 100)}, 1e-9);

  // A handle with no extent across the chosen direction is left alone.
  Handle(0, kHandleDistance, On(art, 1), On(art, 2), "150", 1);
  ExpectNear(Grade(art)[2].p, {100, 50}, 0);
  Handle(0, kHandleDistance, On(art, 0), On(art, 1), "150", 2);
  ExpectNear(Grade(art)[1].p, {100, 0}, 0);

  // Without the measurement handle it names, direction 5 takes the grading direction's frame.
  globals().grading_angle = M_PI / 2;
  Handle(0, kHandleDistance, On(art, 0), On(art, 2), "150", 5);
  ExpectNear(Grade(art)[2].p, {100, std::sqrt(L * L - 100 * 100)}, 1e-6);
  globals().grading_angle = 0;

  // A free end is where the preset's scale puts it: (100, 0) here, and the span 100.
  globals().grading_origin = {0, 0};
  globals().presetScale[kScale] = {2, 1};
  Handle(0, kHandleDistance, Free({50, 0}), On(art, 1), "150");
  ExpectNear(Grade(art)[1].p, {250, 0}, 1e-9);
}

TEST_F(GradingEngineTest, GroupsMoveTogetherAndStraddleLastSlot) {
  ArtHandle art = Polyline({{0, 0}, {100, 0}, {100, 50}, {50, 50}}, false);
  for (uint32_t group : {0u, 7u}) {
    SCOPED_TRACE(group);
    Handle(0, kHandleDistance, On(art, 0), On(art, 1), "150", 1).groupId = group;
    Handle(1, kHandleDistance, On(art, 0), On(art, 2), "0").groupId = group;
    RevisionHandle& share = Handle(2, kHandleDistance, On(art, 0), On(art, 3), "0");
    share.groupId = group;
    share.proportional = 1;
    const auto graded = Grade(art, 0);
    ExpectNear(graded[1].p, {150, 0}, 1e-9);
    ExpectNear(graded[2].p, {group ? 150.0 : 100.0, 50}, 1e-9);
    ExpectNear(graded[3].p, {group ? 75.0 : 50.0, 50}, 1e-9);  // half way along the leader: half the move
  }
  // A leader whose stored ends coincide gives its members the whole move.
  globals().handles[0].line.p2 = globals().handles[0].line.p1;
  ExpectNear(Grade(art, 0)[3].p, {100, 50}, 1e-9);

  // Along a slanting leader the share is where the member's end falls when
  // projected onto it: (50, 50) falls at 0.6 of (0, 0) to (100, 50).
  Handle(0, kHandleDistance, On(art, 0), On(art, 2), "200").groupId = 3;
  RevisionHandle& slanting = Handle(1, kHandleDistance, On(art, 0), On(art, 3), "0");
  slanting.groupId = 3;
  slanting.proportional = 1;
  const auto graded = Grade(art, 0);
  ExpectNear(graded[2].p, {200, 100}, 1e-9);
  ExpectNear(graded[3].p, {110, 80}, 1e-9);
}

TEST_F(GradingEngineTest, ABothEndsGroupMovesEachMemberWithTheNearerLeaderEnd) {
  // The leader spans (0, 0) to (100, 0) and grows to 150 % about its middle:
  // end 1 goes 25 left, end 2 goes 25 right.
  ArtHandle art = Polyline({{0, 0}, {100, 0}, {90, 50}, {10, 50}, {50, 50}, {10, 80}, {60, 90}}, false);
  globals().grading_origin = {50, -100};
  Handle(0, kHandleDistance, On(art, 0), On(art, 1), "150", 0, 1);
  Handle(1, kHandleDistance, On(art, 0), On(art, 2), "0");
  Handle(2, kHandleDistance, On(art, 0), On(art, 3), "0");
  Handle(3, kHandleDistance, On(art, 0), On(art, 4), "0");  // as near one end as the other
  Handle(4, kHandleDistance, On(art, 6), On(art, 0), "0");  // the leader's end 1 moves once only
  Handle(5, kHandleDistance, On(art, 0), On(art, 5), "0").proportional = 1;  // a tenth along the leader
  for (int slot = 0; slot < 6; ++slot) globals().handles[slot].groupId = 9;
  const RealPoint expected[] = {{-25, 0}, {125, 0}, {115, 50}, {-15, 50}, {75, 50}, {7.5, 80}, {60, 90}};
  const auto graded = Grade(art);
  for (size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i);
    ExpectNear(graded[i].p, expected[i], 1e-9);
    ExpectNear(graded[i].in, expected[i], 1e-9);
  }
}

TEST_F(GradingEngineTest, AmountsThatOverflowLeaveTheBaseOutlineInsteadOfNoNumbers) {
  ArtHandle art = Polyline({{0, 0}, {100, 0}, {100, 50}}, false);
  globals().presetScale[kScale] = {2, 2};
  SetVariable(0, "big", "1" + std::string(80, '0'));
  // The first throws the end out to about 1e240; the second squares that distance.
  Handle(0, kHandleDistance, On(art, 0), On(art, 2), "big * big * big");
  Handle(1, kHandleDistance, On(art, 0), On(art, 2), "150");
  Handle(2, kHandleArc, On(art, 0), On(art, 2), "150");
  std::vector<PathSegment> expected = vmhost::Segments(art);
  for (PathSegment& s : expected) s.p = s.in = s.out = {s.p.h * 2, s.p.v * 2};
  ExpectSamePath(Grade(art), expected, 0);
}

TEST_F(GradingEngineTest, AngleHandleTurnsEndTwoAboutEndOne) {
  ArtHandle art =
      Path({vmhost::Corner(0, 0), vmhost::Corner(100, 0), Smooth({90, 50}, {100, 50}, {110, 50})}, false);
  Handle(0, kHandleAngle, On(art, 1), On(art, 2), "90");
  auto graded = Grade(art);
  ExpectNear(graded[2].p, {50, 0}, 1e-4);
  ExpectNear(graded[2].in, {50, -10}, 1e-4);
  ExpectNear(graded[2].out, {50, 10}, 1e-4);
  Handle(0, kHandleAngle, On(art, 1), On(art, 2), "0");
  ExpectSamePath(Grade(art), vmhost::Segments(art), 1e-12);

  // A member turns its own end 2 about the leader's end 1 by the leader's amount.
  Handle(0, kHandleAngle, On(art, 1), On(art, 2), "90").groupId = 5;
  Handle(1, kHandleAngle, On(art, 1), On(art, 0), "0").groupId = 5;
  graded = Grade(art);
  ExpectNear(graded[2].p, {50, 0}, 1e-4);
  ExpectNear(graded[0].p, {100, -100}, 1e-4);
}

}  // namespace
}  // namespace vmtest
