// What a drag with the simple-grading tools shows in the document window:
// inverted outlines, dividers and measuring lines that leave nothing behind,
// and the edges of an existing block dragged to a new size.
#include "tools_scene.h"
#include "win_driver.h"

namespace vmtest {
namespace {

using Op = vmwin::DrawRecord::Op;
using ToolFeedback = ToolsScene;

std::vector<vmwin::DrawRecord> Drawn(Op op) {
  std::vector<vmwin::DrawRecord> out;
  for (const vmwin::DrawRecord &r : vmwin::DrawingOf(FindDocumentViewWindow()))
    if (r.op == op) out.push_back(r);
  return out;
}

bool Is(POINT p, int x, int y) { return p.x == x && p.y == y; }

void ExpectBlank(int left, int top, int right, int bottom) {
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x)
      ASSERT_EQ(vmwin::PixelAt(FindDocumentViewWindow(), x, y), vmwin::kBlankPixel);
}

// Artwork (x, y) is window pixel (500 + x, 400 - y).
TEST_F(ToolFeedback, ABlockDragShowsItsOutlineAndBustLineAndLeavesNothingBehind) {
  globals().simpleGrading.grading_front_bust_position = 25;
  Piece({20, 20}, {60, 40});
  UseKind(1);
  vmwin::ClearDrawing(FindDocumentViewWindow());
  vmhost::TrackCursor({10, 50});
  EXPECT_EQ(vmwin::CurrentCursorId(), 16104);
  vmhost::MouseDown({10, 50});
  vmhost::MouseDrag({90, 10});
  const std::vector<vmwin::DrawRecord> lines = Drawn(Op::Line);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_TRUE(Is(lines[0].from, 510, 350) && Is(lines[0].to, 590, 350));
  EXPECT_TRUE(Is(lines[2].from, 590, 390) && Is(lines[2].to, 510, 390));
  EXPECT_TRUE(Is(lines[4].from, 510, 380) && Is(lines[4].to, 590, 380)) << "a quarter up from the bottom";
  for (const auto &r : lines) EXPECT_EQ(r.rop2, R2_NOT);
  EXPECT_NE(vmwin::PixelAt(FindDocumentViewWindow(), 550, 380), vmwin::kBlankPixel);

  vmhost::MouseDrag({70, 30});
  vmhost::MouseUp({70, 30});
  ExpectBlank(490, 330, 610, 410);
  EXPECT_NE(Object(2), nullptr);
}

TEST_F(ToolFeedback, AMeasurementShowsALineWithARingAtEachEnd) {
  UseKind(4);
  vmwin::ClearDrawing(FindDocumentViewWindow());
  vmhost::TrackCursor({-20, 30});
  vmhost::MouseDown({-20, 30});
  vmhost::MouseDrag({40, -10}, kModCommand);
  const std::vector<vmwin::DrawRecord> lines = Drawn(Op::Line), rings = Drawn(Op::Ellipse);
  ASSERT_TRUE(lines.size() == 1u && rings.size() == 2u);
  EXPECT_TRUE(Is(lines[0].from, 480, 370) && Is(lines[0].to, 540, 410));
  EXPECT_TRUE(rings[0].rect.left == 475 && rings[0].rect.bottom == 375 && rings[0].hollowBrush);
  vmhost::MouseUp({40, -10}, kModCommand);
  ExpectBlank(460, 350, 560, 430);
}

TEST_F(ToolFeedback, DraggingAnEdgeOfABlockResizesItFromTheOtherEdges) {
  const struct {
    RealPoint grab, to;
    const char *record;
    double left, top, right, bottom;
  } cases[] = {
      {{460, 300}, {640, 300}, "2,-270,0,0,75,50,50,0", 100, 500, 640, 140},
      {{300, 140}, {300, -40}, "2,-270,0,0,75,75,50,0", 100, 500, 640, -40},
      // Shift keeps the drag on 45-degree steps from the grab.
      {{100, 300}, {-80, 310}, nullptr, 100 - std::hypot(180, 10), 500, 640, -40},
  };
  globals().simpleGrading.grading_front_bust_position = 50;
  Piece({200, 200}, {150, 450});
  UseKind(1);
  DragTool({100, 500}, {460, 140});
  for (const auto &c : cases) {
    SCOPED_TRACE(c.right - c.left);
    vmhost::TrackCursor(c.grab);
    EXPECT_EQ(globals().tracking.hitCode != 0, true);
    vmhost::MouseDown(c.grab);
    vmhost::MouseDrag(c.to, kModShift);
    vmhost::MouseUp(c.to, kModShift);
    ArtHandle block = Object(2);
    if (c.record != nullptr) {
      EXPECT_EQ(vmhost::Tag(block, kSimpleGradingObjectTypeKey), c.record);
    }
    const RealRect r = Bounds(block);
    EXPECT_TRUE(Near(r.left, c.left) && Near(r.top, c.top) && Near(r.right, c.right) &&
                Near(r.bottom, c.bottom))
        << r.left << " " << r.top << " " << r.right << " " << r.bottom;
  }
}

}  // namespace
}  // namespace vmtest
