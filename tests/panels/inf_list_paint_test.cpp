// Each Information row is painted inside a host call with what the grading
// engine makes of the piece: measured values before and after the handle,
// the amount for the current preset, the name and the kind icons.
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "engine/grading_engine.h"
#include "panels/inf_list_scene.h"

using namespace vmtest;

namespace {

using InfListPaintTest = InfListScene;
using Op = vmwin::DrawRecord::Op;

const std::string kPercent = "\x81\x93";  // full-width, code page 932
const std::string kWide = "\x82\xa0";     // one double-byte character

std::pair<int, int> At(const vmwin::DrawRecord& r) { return {r.from.x, r.from.y}; }

// Two anchors' distance as the engine grades them through lastSlot.
double GradedDistance(ArtHandle art1, int i1, ArtHandle art2, int i2, int lastSlot) {
  ModuleSuites suites;
  GradedSegment* a = ComputeGradedSegments(art1, lastSlot);
  GradedSegment* b = ComputeGradedSegments(art2, lastSlot);
  const double d = std::hypot(a[i1].p.h - b[i2].p.h, a[i1].p.v - b[i2].p.v);
  std::free(a);
  std::free(b);
  return d;
}

TEST_F(InfListPaintTest, BasicAndDistanceRowsMeasureBeforeAndAfterTheHandle) {
  globals().grading_origin = {72, 144};
  globals().grading_angle = 3.141592 / 4;
  globals().grading_unit = 1;
  // Names wider than 100 px lose whole characters before the ellipsis.
  std::strcpy(TwoPoint(0, kHandleDistance, line, 0, line, 1, "12.5").name,
              ("ABCDEFGHIJKLMNOPQR" + kWide).c_str());
  TwoPoint(1, kHandleDistance, line, 1, square, 0, "oops");                   // rejected by the evaluator
  TwoPoint(2, kHandleDistance, nullptr, 0, nullptr, 0).line.p2 = {172, 144};  // off the piece
  std::strcpy(globals().handles[1].name, "ABCDEFGHIJKLMNOPQRST");                // just 100 px wide
  globals().grading_compscale = 0;                                            // taken as 1
  globals().language = 1;
  Rebuild();
  Paint();
  EXPECT_EQ(Texts(0), (std::vector<std::string>{"0", "Origin (2.54, 5.08)cm", "Angle 45.00",
                                                "Scale (120.00, 100.00)%"}));
  EXPECT_EQ(Row(0, Op::Text)[0].rect.right, 21);
  EXPECT_EQ(Icons(0), (std::vector<int>{16251}));
  EXPECT_EQ(Row(0, Op::Line).back().from.y, 39) << "the bottom line";

  globals().grading_unit = 0;
  globals().language = 0;
  Paint();
  const std::string before = Mm(GradedDistance(line, 0, line, 1, -1));
  const std::string after = Mm(GradedDistance(line, 0, line, 1, 0));
  EXPECT_EQ(Texts(1), (std::vector<std::string>{"1", "OD", before, "GD", after, "OL", before, "GL", after,
                                                "\x95\xe2\x90\xb3\x97\xa6", "12.50" + kPercent,
                                                "ABCDEFGHIJKLMNOP..."}));
  const auto texts = Row(1, Op::Text);
  EXPECT_EQ(texts[2].rect.right, 120);
  EXPECT_EQ(At(texts[7]), std::make_pair(136, 63));
  EXPECT_EQ(texts[8].rect.right, 230);
  EXPECT_EQ(At(texts[10]), std::make_pair(70, 76));
  EXPECT_EQ(Icons(1), (std::vector<int>{16252}));
  const std::vector<std::string> second = Texts(2);  // no common path: no length
  ASSERT_EQ(second.size(), 8u);
  EXPECT_EQ(second[2], Mm(GradedDistance(line, 1, square, 0, 0)));
  EXPECT_EQ(second[6], "0.00" + kPercent);
  EXPECT_EQ(second.back(), "ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(Texts(3)[2], Texts(3)[4]) << "the preset's scale only";
}

TEST_F(InfListPaintTest, LengthsAndRadiiRunAlongThePathBothEndsLieOn) {
  globals().presetScale[2] = {1.2, 1.2};
  const struct {
    int16_t kind;
    int path;  // line, square, circle
    int index1, index2;
    double points;
  } cases[] = {
      {kHandleLength, 0, 1, 3, 240}, {kHandleLength, 0, 3, 1, 240}, {kHandleLength, 1, 0, 2, 240},
      {kHandleLength, 1, 3, 1, 240},  // through anchor 0
      {kHandleLength, 1, 3, 0, 120}, {kHandleArc, 2, 0, 1, 60},     {kHandleArc, 2, 3, 1, 60},
  };
  const ArtHandle paths[] = {line, square, circle};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.path << ": " << c.index1 << " to " << c.index2);
    TwoPoint(0, c.kind, paths[c.path], c.index1, paths[c.path], c.index2);
    Rebuild();
    Paint();
    const auto texts = Row(1, Op::Text);
    const int label = c.kind == kHandleArc ? 1 : 5;
    ASSERT_GT(texts.size(), size_t(label + 1));
    EXPECT_EQ(At(texts[label]), std::make_pair(c.kind == kHandleArc ? 26 : 136, 50));
    EXPECT_EQ(texts[label].text, c.kind == kHandleArc ? "OR" : "OL");
    EXPECT_EQ(texts[label + 1].text, Mm(c.points));
    EXPECT_EQ(texts[label + 3].text, Mm(c.kind == kHandleArc ? 0 : c.points));  // graded by the amount 0
  }
  // Free ends stand where the preset's scale puts them.
  TwoPoint(0, kHandleDistance, nullptr, 0, nullptr, 0).line.p2 = {100, 0};
  Rebuild();
  Paint();
  EXPECT_EQ(Row(1, Op::Text)[2].text, Mm(120));
}

TEST_F(InfListPaintTest, GroupPointAngleAndMeasurementRowsAndTheirSelection) {
  globals().language = 1;
  std::strcpy(globals().unitName, "mm");
  globals().unitPerPoint = 25.4 / 72;
  for (int s = 0; s <= 2; ++s) TwoPoint(s, kHandleDistance, line, s, line, s + 1, "0", 9);
  RevisionHandle& point = Point(3, square, 2);
  std::strcpy(point.point.xExpr[2], "10");
  std::strcpy(point.point.yExpr[2], "5");
  std::strcpy(TwoPoint(4, kHandleAngle, line, 0, line, 3, "15").name, std::string(20, 'x').c_str());
  for (int i = 0; i < 10; ++i) std::memcpy(globals().handles[4].name + 2 * i, kWide.data(), 2);
  RevisionHandle& m = TwoPoint(5, kHandleMeasurement, line, 0, line, 2);
  for (int i = 0; i < 3; ++i) std::strcpy(m.line.amountExpr[i], std::string(i + 1, 'v').c_str());
  std::strcpy(m.name, "never shown");
  Point(6, nullptr, 0);  // off the piece: the strip only
  for (int s : {0, 4, 5}) globals().handles[s].listSelected = 1;
  Rebuild();
  Paint();
  // Selected rows turn white after the strip, but for angle and measurement rows.
  for (const auto& [row, color] : {std::pair{1, 0xFFFFFFu}, {3, 0u}, {4, 0u}}) {
    EXPECT_EQ(Row(row, Op::Text).front().textColor, 0u) << row;
    EXPECT_EQ(Row(row, Op::Text).back().textColor, color) << row;
    EXPECT_EQ(Row(row, Op::FillRect).front().brushColor, RGB(154, 180, 207)) << row;
  }

  EXPECT_EQ(Texts(1)[1], "3") << "the member count";
  EXPECT_EQ(Row(1, Op::Text)[1].from.y, 40 + 19);
  EXPECT_EQ(Icons(1), (std::vector<int>{16257, 16252}));
  EXPECT_EQ(Row(1, Op::Icon)[0].rect.left, -10);

  EXPECT_EQ(Texts(2),
            (std::vector<std::string>{"B", "3", "X", Mm(120), "Y", Mm(200), "X'", Mm(120 + 10 * 72 / 25.4),
                                      "Y'", Mm(200 + 5 * 72 / 25.4), "Offset (10.00, 5.00)"}));
  EXPECT_EQ(Row(2, Op::Text)[0].from.x, 2);
  EXPECT_EQ(Icons(2), (std::vector<int>{16254}));

  EXPECT_EQ(Texts(3).back(), kWide + kWide + kWide + kWide + kWide + kWide + kWide + "...");
  EXPECT_EQ(Texts(3)[10], "15.00\x81\x8b");
  EXPECT_EQ(At(Row(3, Op::Text)[10]), std::make_pair(90, 120 + 36));
  EXPECT_EQ(Icons(3), (std::vector<int>{16260}));

  const std::string measured = Mm(GradedDistance(line, 0, line, 2, 5));  // along a straight line
  EXPECT_EQ(Texts(4), (std::vector<std::string>{"6", "Distance " + measured, "v", "Angle 0.00", "vv",
                                                "Length " + measured, "vvv"}));
  EXPECT_TRUE(Texts(5).empty());
}

}  // namespace
