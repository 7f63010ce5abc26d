// What the simple-grading tools do under the pointer before anything is
// built: the cursor over a block's edges and dividers, snapping, the Shift
// constraint, the measurement's feedback, and a click that is no drag.
#include <cmath>

#include "tools_scene.h"
#include "win_driver.h"

namespace vmtest {
namespace {

using ToolTracking = ToolsScene;

RealRect Bounds(ArtHandle art) {
  ModuleSuites suites;
  RealRect r{};
  sAIArt->GetArtBounds(art, &r);
  return r;
}

TEST_F(ToolTracking, TheCursorTellsEdgesFromDividersAndKeepsTheGrabbedOneWhileDragging) {
  SimpleGradingSettings& s = globals().simpleGrading;
  s.grading_front_bust_position = 50;
  s.grading_sleeve_cap_height = 20;
  s.grading_sleeve_front_body_width = 30;
  s.grading_sleeve_back_body_width = 20;
  Piece({200, 200}, {150, 450});
  UseKind(1);
  DragTool({100, 500}, {460, 140});  // bust line at 320
  const struct {
    int16_t kind;
    RealPoint at;
    int cursor;
  } cases[] = {
      {1, {100, 300}, 16124},  // left edge
      {1, {300, 500}, 16134},  // top edge
      {1, {460, 300}, 16124},  // right edge
      {1, {300, 140}, 16134},  // bottom edge
      {1, {300, 320}, 16134},  // the bust line
      {1, {700, 700}, 16104},  // off the block
      {3, {160, 300}, 16124},  // the sleeve's front/back split
      {3, {150, 428}, 16134},  // its cap line
      {2, {100, 300}, 16104},  // the front's edge means nothing to the back tool
  };
  bool sleeveDrawn = false;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << ": " << c.at.h << ", " << c.at.v);
    UseKind(c.kind);
    if (c.kind == 3 && !sleeveDrawn) {
      Piece({105, 200}, {115, 450});
      DragTool({100, 500}, {200, 140});
      sleeveDrawn = true;
    }
    vmhost::TrackCursor(c.at);
    EXPECT_EQ(vmwin::CurrentCursorId(), c.cursor);
  }

  // Near the corner the top edge is under the pointer, and the corner's
  // anchor catches it: a snapped point on an edge has a cursor of its own.
  globals().flUseFcur = 1;
  UseKind(1);
  vmhost::TrackCursor({101, 499.5});
  EXPECT_EQ(vmwin::CurrentCursorId(), 16135);
  globals().flUseFcur = 0;

  // The edge grabbed at the start stays the edge of the drag.
  vmhost::TrackCursor({100, 300});
  vmhost::MouseDown({100, 300});
  vmhost::MouseDrag({40, 300});
  EXPECT_EQ(vmwin::CurrentCursorId(), 16124);
  vmhost::MouseUp({40, 300});
  EXPECT_EQ(Box(Object(2)), "40 500 460 140");
}

TEST_F(ToolTracking, BlockCornersSnapToAnchorsOrTheGrid) {
  globals().simpleGrading.grading_front_bust_position = 50;
  Piece({100, 500}, {463, 137});
  UseKind(1);
  PluginGlobals& g = globals();
  g.flGrWidth = g.flGrHeight = 10;
  const struct {
    const char* what;
    int16_t anchors, grid;
    RealPoint from, to;
    const char* box;
  } cases[] = {
      // First, while no block's own corners lie near.
      {"anchors", 1, 0, {101, 499}, {462, 138}, "100 500 463 137"},
      {"grid", 0, 1, {103, 497}, {456, 144}, "100 500 460 140"},
      {"neither", 0, 0, {105, 495}, {455.5, 145.5}, "105 495 455.5 145.5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    g.flUseFcur = c.anchors;
    g.flUseGrid = c.grid;
    DragTool(c.from, c.to);
    EXPECT_EQ(Box(Object(2)), c.box);
  }
}

TEST_F(ToolTracking, ShiftTurnsTheDragToTheNearest45DegreesOnlyWhileDragging) {
  globals().simpleGrading.grading_front_bust_position = 50;
  Piece({150, 450}, {350, 150});
  UseKind(1);
  DragTool({100, 500}, {300, 290}, kModShift);
  const RealRect square = Bounds(Object(2));
  EXPECT_EQ(square.left, 100);
  EXPECT_EQ(square.top, 500);
  EXPECT_NEAR(square.right - square.left, 290 / std::sqrt(2.0), 1e-3) << "the drag's length kept";
  EXPECT_NEAR(square.top - square.bottom, square.right - square.left, 1e-3);

  // Before the press there is no start to turn about: the pointer moved with
  // Shift from one place to another still starts where it is.
  vmhost::TrackCursor({100, 500});
  vmhost::TrackCursor({300, 290}, kModShift);
  vmhost::MouseDown({300, 290}, kModShift);
  vmhost::MouseDrag({400, 100});
  vmhost::MouseUp({400, 100});
  EXPECT_EQ(Box(Object(2)), "300 290 400 100");
}

// Artwork (x, y) is window pixel (500 + x, 400 - y).
TEST_F(ToolTracking, TheMeasurementShowsItsLineWithACircleAtEachEndAndLeavesNothing) {
  UseKind(4);
  const HWND view = FindDocumentViewWindow();
  vmwin::ClearDrawing(view);
  vmhost::TrackCursor({10, 50});
  vmhost::MouseDown({10, 50});
  vmhost::MouseDrag({90, 10});
  const std::vector<vmwin::DrawRecord>& drawn = vmwin::DrawingOf(view);
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[0].op, vmwin::DrawRecord::Op::Line);
  EXPECT_EQ(drawn[0].from.x, 510);
  EXPECT_EQ(drawn[0].from.y, 350);
  EXPECT_EQ(drawn[0].to.x, 590);
  EXPECT_EQ(drawn[0].to.y, 390);
  const RECT ends[2] = {{505, 345, 515, 355}, {585, 385, 595, 395}};
  for (int i = 0; i < 2; ++i) {
    const vmwin::DrawRecord& circle = drawn[1 + i];
    EXPECT_EQ(circle.op, vmwin::DrawRecord::Op::Ellipse) << i;
    EXPECT_EQ(circle.rect.left, ends[i].left) << i;
    EXPECT_EQ(circle.rect.top, ends[i].top) << i;
    EXPECT_EQ(circle.rect.right, ends[i].right) << i;
    EXPECT_EQ(circle.rect.bottom, ends[i].bottom) << i;
  }
  for (const auto& r : drawn) EXPECT_EQ(r.rop2, R2_NOT);

  vmhost::MouseDrag({70, 30});
  vmwin::ScriptDialog(16167, {vmwin::Click(IDCANCEL)});
  vmhost::MouseUp({70, 30});
  for (int y = 330; y <= 410; ++y)
    for (int x = 490; x <= 610; ++x) ASSERT_EQ(vmwin::PixelAt(view, x, y), vmwin::kBlankPixel);
}

TEST_F(ToolTracking, AClickWithoutADragBuildsNothing) {
  SimpleGradingSettings& s = globals().simpleGrading;
  s.grading_front_bust_position = s.grading_back_bust_position = 50;
  ArtHandle front = Piece({200, 200}, {150, 450});
  UseKind(1);
  DragTool({100, 500}, {460, 140});
  const std::string frontTag = vmhost::Tag(front, kSimpleGradingObjectTypeKey);
  const std::string frontBox = Box(Object(2));
  vmhost::SetSelected(front, false);
  ArtHandle other = Piece({300, 200}, {350, 450});
  const int beeps = vmwin::BeepCount();
  // The back tool first: the last drag was the front's.
  for (int16_t kind : {2, 1}) {
    UseKind(kind);
    vmhost::TrackCursor({300, 300});
    vmhost::MouseDown({300, 300});
    vmhost::MouseUp({300, 300});
  }
  EXPECT_EQ(Object(3), nullptr);
  EXPECT_EQ(Box(Object(2)), frontBox);
  EXPECT_EQ(vmhost::Tag(front, kSimpleGradingObjectTypeKey), frontTag);
  EXPECT_EQ(vmhost::Tag(other, kSimpleGradingObjectTypeKey), "") << "the selected piece is left alone";
  EXPECT_TRUE(vmhost::IsSelected(other));
  EXPECT_EQ(vmwin::BeepCount(), beeps);
}

}  // namespace
}  // namespace vmtest
