// What a drag with a revision tool shows in the document window: inverted
// lines, marks and marquees that the next drawing erases exactly.
#include "tracking_scene.h"

namespace vmtest {
namespace {

using Feedback = TrackingScene;
using Op = vmwin::DrawRecord::Op;

std::vector<vmwin::DrawRecord> Drawn(Op op) {
  std::vector<vmwin::DrawRecord> out;
  for (const vmwin::DrawRecord& r : vmwin::DrawingOf(FindDocumentViewWindow()))
    if (r.op == op) out.push_back(r);
  return out;
}

bool Is(POINT p, int x, int y) { return p.x == x && p.y == y; }

TEST_F(Feedback, ADragShowsARubberLineAndLeavesNothingBehind) {
  ArtHandle edge = vmhost::AddPolyline(LayerGroup(), {{0, 0}, {100, 0}}, false);
  SetPiece({edge});
  Track({0.5, 0.5});
  EXPECT_TRUE(vmwin::DrawingOf(ViewWindow()).empty());
  Press();
  Track({80, 40});
  // (0, 0) and (80, 40) are window pixels (500, 400) and (580, 360).
  std::vector<vmwin::DrawRecord> lines = Drawn(Op::Line);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_TRUE(Is(lines[0].from, 500, 400) && Is(lines[0].to, 580, 360));
  EXPECT_TRUE(Is(lines[1].from, 496, 396) && Is(lines[1].to, 504, 404));
  EXPECT_TRUE(Is(lines[3].from, 576, 356) && Is(lines[3].to, 584, 364));
  for (const auto& r : vmwin::DrawingOf(ViewWindow())) {
    EXPECT_EQ(r.rop2, R2_NOT);
    EXPECT_EQ(r.penColor, 0u);
  }
  // Only the end on an anchor of the piece is ringed.
  std::vector<vmwin::DrawRecord> rings = Drawn(Op::Ellipse);
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_TRUE(rings[0].rect.left == 495 && rings[0].rect.top == 395 && rings[0].rect.right == 505);
  EXPECT_TRUE(rings[0].hollowBrush);
  EXPECT_EQ(vmwin::PixelAt(ViewWindow(), 540, 380), 0u);

  Track({60, -20});
  lines = Drawn(Op::Line);
  ASSERT_EQ(lines.size(), 15u);
  for (size_t i = 0; i < 5; ++i) EXPECT_TRUE(Is(lines[5 + i].from, lines[i].from.x, lines[i].from.y)) << i;
  EXPECT_TRUE(Is(lines[10].to, 560, 420));

  Release();
  EXPECT_EQ(Drawn(Op::Line).size(), 20u);
  for (int y = 340; y <= 440; ++y)
    for (int x = 480; x <= 600; ++x) ASSERT_EQ(vmwin::PixelAt(ViewWindow(), x, y), vmwin::kBlankPixel) << x << "," << y;
  EXPECT_EQ(globals().trackingPrev.dragging, 0);
}

TEST_F(Feedback, MarqueeByToolAndAlt) {
  const struct {
    int16_t tool;
    uint32_t modifiers;
    bool marquee;
  } cases[] = {{3, 0, true}, {1, kModOption, true}, {2, kModOption, true}, {6, kModOption, true},
               {1, 0, false}, {4, kModOption, false}, {5, kModOption, false}};
  for (const auto& c : cases) {
    tool = c.tool;
    InModuleCall([] { ClearTrackingState(); });
    vmwin::ClearDrawing(ViewWindow());
    Track({-20, 30});
    Press();
    Track({40, -10}, c.modifiers);
    const std::vector<vmwin::DrawRecord> lines = Drawn(Op::Line);
    if (c.marquee) {
      ASSERT_EQ(lines.size(), 4u) << c.tool;
      EXPECT_TRUE(Is(lines[0].from, 480, 370) && Is(lines[0].to, 540, 370)) << c.tool;
      EXPECT_TRUE(Is(lines[2].to, 480, 410) && Is(lines[3].to, 480, 370)) << c.tool;
    } else {
      ASSERT_EQ(lines.size(), 5u) << c.tool;
      EXPECT_TRUE(Is(lines[0].from, 480, 370) && Is(lines[0].to, 540, 410)) << c.tool;
    }
  }
  // The point tool grabbing a point handle shows only the mark at the cursor.
  tool = 3;
  ArtHandle edge = vmhost::AddPolyline(LayerGroup(), {{0, 0}, {100, 0}}, false);
  RevisionHandle& h = Handle(0, kHandlePoint, {}, {});
  h.point.art = edge;
  h.point.anchorIndex = 1;
  InModuleCall([] { ClearTrackingState(); });
  vmwin::ClearDrawing(ViewWindow());
  Track({100.5, 0.5});
  Press();
  Track({50, 50});
  const std::vector<vmwin::DrawRecord> lines = Drawn(Op::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(Is(lines[0].from, 546, 346));
}

TEST_F(Feedback, MovingTheOriginShowsItsMarksAndArrow) {
  const struct {
    bool arrow;
    RealPoint grab, to;
    size_t lines;
    POINT origin, arrowEnd;
  } cases[] = {{true, {0.5, 0.5}, {20, 10}, 5, {520, 390}, {570, 390}},
               {false, {0.5, 0.5}, {20, 10}, 2, {520, 390}, {}},
               {true, {49.5, 0.5}, {50, 30}, 5, {500, 400}, {550, 370}}};
  for (const auto& c : cases) {
    InModuleCall([] { ClearTrackingState(); });
    vmwin::ClearDrawing(ViewWindow());
    Origin({0, 0}, 0, 50, false, c.arrow);
    EXPECT_EQ(Track(c.grab), 9);
    Press();
    Track(c.to);
    const std::vector<vmwin::DrawRecord> lines = Drawn(Op::Line);
    ASSERT_EQ(lines.size(), c.lines);
    EXPECT_TRUE(Is(lines[0].from, c.origin.x - 5, c.origin.y) && Is(lines[0].to, c.origin.x + 5, c.origin.y));
    const std::vector<vmwin::DrawRecord> rings = Drawn(Op::Ellipse);
    ASSERT_EQ(rings.size(), 2u);
    EXPECT_EQ(rings[0].rect.right - rings[0].rect.left, 10);
    EXPECT_EQ(rings[1].rect.right - rings[1].rect.left, 16);
    if (!c.arrow) continue;
    EXPECT_TRUE(Is(lines[2].to, c.arrowEnd.x, c.arrowEnd.y));
    EXPECT_TRUE(Is(lines[3].from, c.arrowEnd.x, c.arrowEnd.y));
  }
  // Arrow head strokes of 10 pixels at 30 degrees off the shaft, truncated.
  const std::vector<vmwin::DrawRecord> lines = Drawn(Op::Line);
  EXPECT_TRUE(Is(lines[3].to, 540, 370) && Is(lines[4].to, 545, 378));
}

TEST_F(Feedback, WithoutADocumentWindowNothingIsDrawnButTheDragIsKept) {
  vmhost::CloseDocument(doc);
  Track({10, 10});
  Press();
  Track({50, 10});
  EXPECT_EQ(globals().trackingPrev.dragging, 1);
  EXPECT_EQ(globals().trackingPrev.first.point.h, 10);
  EXPECT_EQ(globals().trackingPrev.second.point.h, 50);
}

}  // namespace
}  // namespace vmtest
