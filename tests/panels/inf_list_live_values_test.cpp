// The Information list painted again after something changed shows what the
// grading engine now makes of the piece, whatever changed: the outline in the
// host, an amount, a variable, the preset, the grading origin, a handle's
// end, or a variable of another piece that an amount reads by its title.
#include <cstdlib>
#include <functional>

#include "common/suite_pointers.h"
#include "engine/grading_engine.h"
#include "panels/inf_list_scene.h"
#include "store/art_tags.h"

using namespace vmtest;

namespace {

class InfListLiveValuesTest : public InfListScene {
 protected:
  // What a pass of the engine of its own gives: the distance of two anchors
  // of the square before (lastSlot -1) and after the first handle, and where
  // the line's last anchor lies across before and after the third.
  std::vector<std::string> Graded(int i1, int i2) {
    std::vector<std::string> texts;
    InModuleCall([&] {
      for (int32_t lastSlot : {-1, 0}) {
        GradedSegment* s = ComputeGradedSegments(square, lastSlot);
        texts.push_back(Mm(std::hypot(s[i1].p.h - s[i2].p.h, s[i1].p.v - s[i2].p.v)));
        std::free(s);
      }
      for (int32_t lastSlot : {1, 2}) {
        GradedSegment* s = ComputeGradedSegments(line, lastSlot);
        texts.push_back(Mm(s[3].p.h));
        std::free(s);
      }
    });
    return texts;
  }
  // A corner of a polyline dragged to p in the host.
  void MoveCorner(ArtHandle art, int16_t index, RealPoint p) {
    InModuleCall([&] {
      const PathSegment corner = vmhost::Corner(p.h, p.v);
      sAIPath->SetPathSegments(art, index, 1, &corner);
    });
  }
  // The same as the list shows them: OD and GD of the first handle's row,
  // X and X' of the third's (the first two alone with `count` 2).
  std::vector<std::string> Shown(size_t count = 4) {
    const std::vector<std::string> first = Texts(1), third = Texts(3);
    std::vector<std::string> shown;
    if (first.size() > 4) shown = {first[2], first[4]};
    if (third.size() > 7) shown.insert(shown.end(), {third[3], third[7]});
    shown.resize(count);
    return shown;
  }
  std::vector<std::string> GradedDistance() {
    std::vector<std::string> texts = Graded(0, 1);
    texts.resize(2);
    return texts;
  }
};

TEST_F(InfListLiveValuesTest, EveryRepaintShowsWhatTheEngineMakesOfThePieceNow) {
  PluginGlobals& g = globals();
  std::strcpy(g.variables.varNames[0], "w");
  std::strcpy(g.variables.varValues[0], "5");
  TwoPoint(0, kHandleDistance, square, 0, square, 1, "w + 90");
  TwoPoint(1, kHandleLength, circle, 0, circle, 2, "104");
  RevisionHandle& point = Point(2, line, 3);
  std::strcpy(point.point.xExpr[2], "1");
  std::strcpy(point.point.yExpr[2], "0");
  ArtHandle other = nullptr;
  {  // another titled piece whose variable an amount reads by title
    ModuleSuites suites;
    other = vmhost::AddPolyline(nullptr, {{500, 0}, {600, 0}}, false);
    WriteStringTag(other, "vmk_grading_title", "Other");
    WriteStringTag(other, "vmk_grading_var_name_000", "k");
    WriteStringTag(other, "vmk_grading_var_value_000000", "3");
  }
  Rebuild();
  Paint();
  ASSERT_EQ(Shown(), Graded(0, 1));

  const struct {
    const char* change;
    std::function<void()> make;
    int i1, i2;
  } cases[] = {
      {"an anchor moved in the host", [&] { MoveCorner(square, 1, {130, 100}); }, 0, 1},
      {"another amount", [&] { std::strcpy(g.handles[0].line.amountExpr[2], "w + 110"); }, 0, 1},
      {"another value of the variable", [&] { std::strcpy(g.variables.varValues[0], "25"); }, 0, 1},
      {"another preset",
       [&] {
         g.currentScaleIndex = 3;
         g.presetScale[3] = {0.8, 1.3};
         std::strcpy(g.handles[0].line.amountExpr[3], "w + 70");
       },
       0, 1},
      {"that preset's scale changed", [&] { g.presetScale[3] = {1.1, 0.9}; }, 0, 1},
      {"the grading origin moved", [&] { g.grading_origin = {40, -30}; }, 0, 1},
      {"the handle's end on another anchor",
       [&] {
         g.handles[0].line.index2 = 2;
         g.handles[0].line.p2 = square->d.segments[2].p;
       },
       0, 2},
      {"an amount reading another piece",
       [&] { std::strcpy(g.handles[0].line.amountExpr[3], "Other:k + 90"); }, 0, 2},
      {"that piece's variable changed",
       [&] { InModuleCall([&] { WriteStringTag(other, "vmk_grading_var_value_000000", "40"); }); }, 0, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.change);
    const std::vector<std::string> before = Shown();
    c.make();
    Paint();
    const std::vector<std::string> expected = Graded(c.i1, c.i2);
    EXPECT_NE(expected, before) << "the change changes nothing";
    EXPECT_EQ(Shown(), expected);
    Paint();
    EXPECT_EQ(Shown(), expected) << "painted once more";
  }
}

// A measurement whose variable a handle before it reads: each repaint grades
// with what the repaint before measured, as passes run one after another do.
TEST_F(InfListLiveValuesTest, AValueMeasuredAfterTheHandleReadingItReachesItAtTheNextRepaint) {
  PluginGlobals& g = globals();
  std::strcpy(g.variables.varNames[0], "len");
  std::strcpy(g.variables.varValues[0], "10");
  TwoPoint(0, kHandleDistance, square, 0, square, 1, "len + 50");
  std::strcpy(TwoPoint(1, kHandleMeasurement, line, 0, line, 3).line.amountExpr[0], "len");
  Rebuild();
  Paint();
  Paint();  // the measured length has reached the handle
  const std::vector<std::string> settled = Shown(2);
  EXPECT_EQ(std::string(g.variables.varValues[0]), "127.00") << "300 points at 120 % across, in mm";
  EXPECT_EQ(settled, GradedDistance());

  MoveCorner(line, 3, {150, 0});  // the line shortened in the host
  Paint();
  EXPECT_EQ(Shown(2), settled) << "the handle still reads the length measured before";
  EXPECT_EQ(std::string(g.variables.varValues[0]), "63.50");
  Paint();
  EXPECT_EQ(Shown(2), GradedDistance());
  EXPECT_NE(Shown(2), settled);
}

// Painting the list grades as the engine always does, so a handle whose end 2
// lies on no path has its ends turned round in the table, as after a build.
TEST_F(InfListLiveValuesTest, PaintingTurnsAHandlesEndsAsAPassWould) {
  TwoPoint(0, kHandleDistance, square, 0, square, 1, "100");
  RevisionHandle& turn = TwoPoint(1, kHandleAngle, line, 3, nullptr, 0, "10");
  turn.line.p2 = {400, 50};
  TwoPoint(2, kHandleDistance, square, 1, square, 2, "100");  // its row grades through the angle handle
  Rebuild();
  Paint();
  EXPECT_EQ(turn.line.art1, nullptr);
  EXPECT_EQ(turn.line.art2, line);
  EXPECT_EQ(turn.line.index2, 3);
  EXPECT_EQ(turn.line.p1.h, 400);
}

}  // namespace
