// Each Information row is painted inside a host call with what the grading
// engine makes of the piece: measured values before and after the handle,
// the amount for the current preset, the name and the kind icons.
#include <cstdlib>
#include <utility>

#include "panels/inf_list_scene.h"

using namespace vmtest;

namespace {

using InfListPaintTest = InfListScene;
using Op = vmwin::DrawRecord::Op;

constexpr COLORREF kWhite = 0xFFFFFF;
const std::string kPercent = "\x81\x93";  // full-width, code page 932

std::pair<int, int> At(POINT p) { return {p.x, p.y}; }

// Distance between two anchors as the engine grades them through lastSlot.
double GradedDistance(ArtHandle art1, int i1, ArtHandle art2, int i2, int lastSlot) {
  ModuleSuites suites;
  GradedSegment* a = ComputeGradedSegments(art1, lastSlot);
  GradedSegment* b = ComputeGradedSegments(art2, lastSlot);
  const double d = std::hypot(a[i1].p.h - b[i2].p.h, a[i1].p.v - b[i2].p.v);
  std::free(a);
  std::free(b);
  return d;
}

TEST_F(InfListPaintTest, TheBasicRowShowsOriginAngleAndScaleInTheChosenUnit) {
  globals().language = 1;
  globals().grading_origin = {72, 144};
  globals().grading_angle = 3.141592 / 4;
  globals().grading_unit = 1;
  Rebuild();
  Paint();
  EXPECT_EQ(Texts(0), (std::vector<std::string>{"0", "Origin (2.54, 5.08)cm", "Angle 45.00",
                                                "Scale (120.00, 100.00)%"}));
  EXPECT_EQ(TextStarting(0, "0").rect.right, 21);
  EXPECT_EQ(At(TextStarting(0, "Origin").from), std::make_pair(26, 10));
  EXPECT_EQ(At(TextStarting(0, "Scale").from), std::make_pair(26, 36));
  EXPECT_EQ(Icons(0), (std::vector<int>{16251}));
  // Strip, separator and bottom line.
  const auto lines = Row(0, Op::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(At(lines[0].from), std::make_pair(22, 0));
  EXPECT_EQ(At(lines[1].from), std::make_pair(0, 39));
  EXPECT_EQ(lines[1].penColor, RGB(0x44, 0x44, 0x44));
}

TEST_F(InfListPaintTest, ADistanceRowMeasuresBeforeAndAfterItsHandle) {
  TwoPoint(0, kHandleDistance, line, 0, line, 1, "12.5").name[0] = 'W';
  TwoPoint(1, kHandleDistance, line, 1, square, 0, "oops");  // the evaluator rejects it
  Rebuild();
  Paint();
  const std::string graded = Mm(GradedDistance(line, 0, line, 1, 0));
  EXPECT_EQ(Texts(1), (std::vector<std::string>{"1", "OD", Mm(120), "GD", graded, "OL", Mm(120), "GL", graded,
                                                "\x95\xe2\x90\xb3\x97\xa6", "12.50" + kPercent, "W"}));
  EXPECT_EQ(At(TextStarting(1, "OD").from), std::make_pair(26, 50));
  EXPECT_EQ(At(TextStarting(1, "GL").from), std::make_pair(136, 63));
  EXPECT_EQ(At(TextStarting(1, "12.50").from), std::make_pair(70, 76));
  EXPECT_EQ(At(TextStarting(1, "W").from), std::make_pair(136, 76));
  EXPECT_EQ(Row(1, Op::Text)[2].rect.right, 120);
  EXPECT_EQ(Row(1, Op::Text)[6].rect.right, 230);
  EXPECT_EQ(Icons(1), (std::vector<int>{16252}));

  // Ends on two paths: no length; a faulty amount shows 0.
  const std::vector<std::string> second = Texts(2);
  EXPECT_EQ(second.size(), 7u);
  EXPECT_EQ(second[2], Mm(GradedDistance(line, 1, square, 0, 0)));
  EXPECT_EQ(second.back(), "0.00" + kPercent);
}

TEST_F(InfListPaintTest, LengthsRunAlongTheOnePathBothEndsLieOn) {
  struct Case {
    const char* name;
    ArtHandle* art;
    int index1, index2;
    double points;  // before the handle, at 120 % across
  };
  const Case cases[] = {
      {"open, in order", &line, 1, 3, 240},
      {"open, ends swapped", &line, 3, 1, 240},
      {"closed, forward", &square, 0, 2, 220},
      {"closed, through anchor 0", &square, 3, 1, 220},
      {"closed, the closing side only", &square, 3, 0, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::memset(globals().handles, 0, sizeof globals().handles);
    TwoPoint(0, kHandleLength, *c.art, c.index1, *c.art, c.index2);
    Rebuild();
    Paint();
    const std::vector<std::string> texts = Texts(1);
    ASSERT_GE(texts.size(), 7u);
    EXPECT_EQ(texts[5], "OL");
    EXPECT_EQ(texts[6], Mm(c.points));
  }
}

TEST_F(InfListPaintTest, AnArcRowShowsRadiiAndHandlesOffThePieceUseThePresetScale) {
  globals().presetScale[2] = {1.2, 1.2};
  TwoPoint(0, kHandleArc, circle, 0, circle, 1);
  TwoPoint(1, kHandleArc, circle, 0, square, 1);  // no common path: no radius
  RevisionHandle& off = TwoPoint(2, kHandleDistance, nullptr, 0, nullptr, 0);
  off.line.p2 = {100, 0};
  Rebuild();
  Paint();
  const std::vector<std::string> arc = Texts(1);
  ASSERT_GE(arc.size(), 5u);
  EXPECT_EQ(arc[1], "OR");
  EXPECT_EQ(arc[2], Mm(60));
  EXPECT_EQ(arc[3], "GR");
  EXPECT_EQ(Icons(1), (std::vector<int>{16259}));
  EXPECT_EQ(Texts(2).size(), 3u) << "number, amount label and amount";
  EXPECT_EQ(Texts(3)[2], Mm(120));
  EXPECT_EQ(Texts(3)[4], Mm(120));
}

TEST_F(InfListPaintTest, AGroupRowShowsItsFirstSlotTheMemberCountAndTheGroupMark) {
  TwoPoint(0, kHandleLength, line, 0, line, 1);
  for (int s = 1; s <= 3; ++s) TwoPoint(s, kHandleDistance, line, s - 1, line, s, "0", 9);
  Rebuild();
  Paint();
  EXPECT_EQ(TextStarting(2, "2").rect.right, 21);
  const vmwin::DrawRecord count = TextStarting(2, "3");
  EXPECT_EQ(count.from.y, 80 + 19);
  EXPECT_EQ(count.rect.right, 21);
  EXPECT_EQ(Icons(2), (std::vector<int>{16257, 16252}));
  EXPECT_EQ(Row(2, Op::Icon)[0].rect.left, -10);
  EXPECT_EQ(Row(2, Op::Icon)[1].rect.top, 80 + 40 - 27);
}

TEST_F(InfListPaintTest, PointAndAngleRowsShowCoordinatesBeforeAndAfter) {
  globals().language = 1;
  RevisionHandle& point = Point(0, square, 2);
  std::strcpy(point.point.xExpr[2], "10");
  std::strcpy(point.point.yExpr[2], "5");
  std::strcpy(TwoPoint(1, kHandleAngle, line, 0, line, 3, "15").name, "sleeve");
  Point(2, nullptr, 0);  // not on the piece: the strip only
  Rebuild();
  Paint();
  const std::vector<std::string> texts = Texts(1);
  ASSERT_EQ(texts.size(), 11u);
  EXPECT_EQ(texts[0], "B");
  EXPECT_EQ(texts[1], "3");
  EXPECT_EQ(TextStarting(1, "B").from.x, 2);
  EXPECT_EQ(texts[2], "X");
  EXPECT_EQ(texts[3], Mm(120));
  EXPECT_EQ(texts[5], Mm(200));
  EXPECT_EQ(texts[7], Mm(120 + 10 * 72 / 25.4));
  EXPECT_EQ(texts[10], "Offset (10.00, 5.00)");
  EXPECT_EQ(Icons(1), (std::vector<int>{16254}));

  EXPECT_EQ(Texts(2).back(), "sleeve");
  EXPECT_EQ(TextStarting(2, "Angle Rev.").from.y, 80 + 36);
  EXPECT_EQ(TextStarting(2, "15.00\x81\x8b").from.x, 90);
  EXPECT_EQ(Icons(2), (std::vector<int>{16260}));
  EXPECT_TRUE(Texts(3).empty());
  EXPECT_EQ(Row(3, Op::FillRect).size(), 2u);
}

TEST_F(InfListPaintTest, AMeasurementRowShowsTheMeasuresAndTheNamesOfItsVariables) {
  globals().language = 1;
  std::strcpy(globals().unitName, "mm");
  globals().unitPerPoint = 25.4 / 72;
  RevisionHandle& m = TwoPoint(0, kHandleMeasurement, line, 0, line, 2);
  std::strcpy(m.line.amountExpr[0], "back");
  std::strcpy(m.line.amountExpr[1], "back_angle");
  std::strcpy(m.line.amountExpr[2], "back_length");
  std::strcpy(m.name, "never shown");
  Rebuild();
  Paint();
  EXPECT_EQ(Texts(1), (std::vector<std::string>{"1", "Distance 84.67mm", "back", "Angle 0.00", "back_angle",
                                                "Length 84.67mm", "back_length"}));
  EXPECT_EQ(Icons(1), (std::vector<int>{16258}));
}

TEST_F(InfListPaintTest, SelectedRowsTurnWhiteExceptMeasurementAndAngleRows) {
  TwoPoint(0, kHandleDistance, line, 0, line, 1);
  TwoPoint(1, kHandleMeasurement, line, 0, line, 1);
  TwoPoint(2, kHandleAngle, line, 0, line, 1);
  for (int s = 0; s < 3; ++s) globals().handles[s].listSelected = 1;
  Rebuild();
  SendMessage(List(), LB_SETCURSEL, 0, 0);
  Paint();
  const struct {
    int row;
    COLORREF after;
  } cases[] = {{0, kWhite}, {1, kWhite}, {2, 0}, {3, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    const auto texts = Row(c.row, Op::Text);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts.front().textColor, 0u) << "the strip number";
    EXPECT_EQ(texts.back().textColor, c.after);
    const auto fills = Row(c.row, Op::FillRect);
    EXPECT_EQ(fills[fills.size() - 2].brushColor, RGB(154, 180, 207)) << "the row before its strip";
  }
}

TEST_F(InfListPaintTest, LongNamesLoseWholeCharactersBeforeTheEllipsis) {
  const struct {
    const char* name;
    const char* shown;
  } cases[] = {
      {"ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOPQRST"},  // 100 px fits
      {"ABCDEFGHIJKLMNOPQRSTU", "ABCDEFGHIJKLMNOP..."},
      {"\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0",
       "\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0..."},
      {"ABCDEFGHIJKLMNOPQR\x82\xa0", "ABCDEFGHIJKLMNOP..."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    std::strcpy(TwoPoint(0, kHandleDistance, line, 0, line, 1).name, c.name);
    Rebuild();
    Paint();
    EXPECT_EQ(Texts(1).back(), c.shown);
    EXPECT_LE(Row(1, Op::Text).back().rect.right, 136 + 100);
  }
}

TEST_F(InfListPaintTest, AZeroCompilationScaleShowsValuesAsAtOne) {
  globals().grading_compscale = 0;
  TwoPoint(0, kHandleDistance, line, 0, line, 1);
  Rebuild();
  Paint();
  EXPECT_EQ(Texts(1)[2], Mm(120));
}

}  // namespace
