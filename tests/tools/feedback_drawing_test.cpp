// What a drag with a revision tool shows in the document window: inverted
// lines, marks and marquees that the next drawing erases exactly.
#include <utility>

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

std::pair<int, int> At(POINT p) { return {p.x, p.y}; }

TEST_F(Feedback, ADragShowsARubberLineAndLeavesNothingBehind) {
  SetPiece({vmhost::AddPolyline(LayerGroup(), {{0, 0}, {100, 0}}, false)});
  Track({0.5, 0.5});
  Press();
  Track({80, 40});
  // Artwork (0, 0) and (80, 40) are window pixels (500, 400) and (580, 360).
  std::vector<vmwin::DrawRecord> lines = Drawn(Op::Line);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(At(lines[0].from), std::make_pair(500, 400));
  EXPECT_EQ(At(lines[0].to), std::make_pair(580, 360));
  EXPECT_EQ(At(lines[1].from), std::make_pair(496, 396));
  EXPECT_EQ(At(lines[1].to), std::make_pair(504, 404));
  EXPECT_EQ(At(lines[3].from), std::make_pair(576, 356));
  EXPECT_EQ(At(lines[3].to), std::make_pair(584, 364));
  for (const auto& r : vmwin::DrawingOf(ViewWindow())) {
    EXPECT_EQ(r.rop2, R2_NOT);
    EXPECT_EQ(r.penColor, 0u);
  }
  // Only the end on an anchor of the piece is ringed.
  const std::vector<vmwin::DrawRecord> rings = Drawn(Op::Ellipse);
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_EQ(rings[0].rect.left, 495);
  EXPECT_EQ(rings[0].rect.right, 505);
  EXPECT_TRUE(rings[0].hollowBrush);
  EXPECT_EQ(vmwin::PixelAt(ViewWindow(), 540, 380), 0u);

  Track({60, -20});
  // The mouse comes up: the drag ends and its feedback is erased.
  InModuleCall([&] {
    ResetDragStart();
    DrawToolFeedback(nullptr, tool);
  });
  for (int y = 340; y <= 440; ++y)
    for (int x = 480; x <= 600; ++x) ASSERT_EQ(vmwin::PixelAt(ViewWindow(), x, y), vmwin::kBlankPixel);
  EXPECT_EQ(globals().trackingPrev.dragging, 0);
}

TEST_F(Feedback, WhatADragShowsByToolAltAndTheMarkGrabbed) {
  const struct {
    int16_t tool;
    uint32_t modifiers;
    int origin;  // 1 with its arrow, 2 under the aspect lock
    RealPoint grab, to;
    size_t lines, rings;
    POINT from, end;
  } cases[] = {
      // clang-format off
      {3, 0, false, {-20, 30}, {40, -10}, 4, 0, {480, 370}, {540, 370}},
      {1, kModOption, false, {-20, 30}, {40, -10}, 4, 0, {480, 370}, {540, 370}},
      {2, kModOption, false, {-20, 30}, {40, -10}, 4, 0, {480, 370}, {540, 370}},
      {6, kModOption, false, {-20, 30}, {40, -10}, 4, 0, {480, 370}, {540, 370}},
      {1, 0, false, {-20, 30}, {40, -10}, 5, 0, {480, 370}, {540, 410}},
      {4, kModOption, false, {-20, 30}, {40, -10}, 5, 0, {480, 370}, {540, 410}},
      {5, kModOption, false, {-20, 30}, {40, -10}, 5, 0, {480, 370}, {540, 410}},
      // A handle's end dragged: the rubber line runs to or from its other end.
      {1, 0, false, {100.5, 100.5}, {100, 130}, 5, 0, {600, 270}, {660, 300}},
      {1, 0, false, {159.5, 100.5}, {170, 140}, 5, 0, {600, 300}, {670, 260}},
      {1, 0, false, {130, 100.5}, {130, 130}, 5, 0, {600, 270}, {660, 270}},  // its line: both ends
      {3, 0, false, {100.5, 200.5}, {120, 230}, 2, 0, {616, 166}, {624, 174}},  // a point handle: a cross
      // The origin moves whole: a cross and two rings at it, the shaft to the arrow end.
      {3, kModOption, true, {0.5, 0.5}, {20, 10}, 5, 2, {515, 390}, {525, 390}},
      {3, kModOption, 2, {0.5, 0.5}, {20, 10}, 2, 2, {515, 390}, {525, 390}},
      {1, 0, true, {49.5, 0.5}, {50, 30}, 5, 2, {495, 400}, {505, 400}},
      // clang-format on
  };
  Handle(0, kHandleDistance, {100, 100}, {160, 100});
  Handle(1, kHandlePoint, {}, {}).point.art = vmhost::AddPolyline(LayerGroup(), {{100, 200}, {150, 200}}, false);
  for (const auto& c : cases) {
    tool = c.tool;
    InModuleCall([] { ClearTrackingState(); });
    vmwin::ClearDrawing(ViewWindow());
    Origin(c.origin ? RealPoint{0, 0} : RealPoint{-5000, -5000}, 50, c.origin != 2);
    Track(c.grab);
    Press();
    Track(c.to, c.modifiers);
    const std::vector<vmwin::DrawRecord> lines = Drawn(Op::Line), rings = Drawn(Op::Ellipse);
    ASSERT_EQ(lines.size(), c.lines) << c.tool;
    ASSERT_EQ(rings.size(), c.rings) << c.tool;
    EXPECT_EQ(At(lines[0].from), At(c.from)) << c.tool;
    EXPECT_EQ(At(lines[0].to), At(c.end)) << c.tool;
    for (size_t i = 0; i < rings.size(); ++i)
      EXPECT_EQ(rings[i].rect.right - rings[i].rect.left, i ? 16 : 10);
  }
  // The arrow head: strokes of 10 pixels at 30 degrees off the shaft, truncated.
  const std::vector<vmwin::DrawRecord> lines = Drawn(Op::Line);
  EXPECT_EQ(At(lines[2].to), std::make_pair(550, 370));
  EXPECT_EQ(At(lines[3].to), std::make_pair(540, 370));
  EXPECT_EQ(At(lines[4].to), std::make_pair(545, 378));
}

}  // namespace
}  // namespace vmtest
