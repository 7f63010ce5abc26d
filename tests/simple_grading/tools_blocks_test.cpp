// Front body, back body and sleeve blocks drawn around the selected piece: the
// tagged block, the graded piece, what the drag shows, and edits of a block by
// its edges, its dividers and its dialog.
#include <string>

#include "tools_scene.h"
#include "win_driver.h"

namespace vmtest {
namespace {

using BlockTools = ToolsScene;

TEST_F(BlockTools, ADragDrawsTheBlockAndTurnsTheSelectedPieceIntoAGradedPiece) {
  const struct {
    int16_t kind, rotation;
    RealPoint from, to;
    const char* record;
    std::vector<std::string> paths;
  } cases[] = {
      {1, 0, {100, 500}, {460, 140}, "2,-180,0,0,50,50,50,0", {"100 500 460 140", "100 320 460 320"}},
      {2, 0, {460, 140}, {100, 500}, "3,180,0,0,50,50,50,0", {"100 500 460 140", "100 320 460 320"}},
      // A quarter turn: the across span gives the height, the bust line stands upright.
      {1, 1, {600, 320}, {960, 140}, "2,0,90,1,25,50,50,0", {"600 320 960 140", "780 320 780 140"}},
      // Cap line 20 % down; front and back split 3 : 2, in parts of the dress length.
      {3,
       0,
       {100, 500},
       {200, 140},
       "4,10,108,0,20,50,8.33333,5.55556",
       {"100 500 200 140", "100 428 200 428", "160 500 160 140"}},
  };
  SimpleGradingSettings& s = globals().simpleGrading;
  s.grading_front_bust_position = s.grading_back_bust_position = 50;
  s.grading_sleeve_cap_height = 20;
  s.grading_sleeve_front_body_width = 30;
  s.grading_sleeve_back_body_width = 20;
  ArtHandle earlierFront = nullptr;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.record);
    ArtHandle piece = Piece({0, 0}, {1000, 1000});
    UseKind(c.kind);
    *(c.kind == 1 ? &s.grading_front_rotation : &s.grading_sleeve_rotation) = c.rotation;
    DragTool(c.from, c.to);
    ArtHandle block = Object(c.kind + 1);
    EXPECT_EQ(vmhost::Tag(block, kSimpleGradingObjectTypeKey), c.record);
    EXPECT_EQ(Paths(block), c.paths);
    for (ArtHandle path : vmhost::Children(block)) EXPECT_EQ(path->d.style.fillPaint, 0) << "an outline";
    EXPECT_EQ(vmhost::Tag(piece, kSimpleGradingObjectTypeKey),
              std::to_string(c.kind + 11) + ",0,0,0,0,0,0,0");
    EXPECT_TRUE(vmhost::IsSelected(piece));
    EXPECT_FALSE(vmhost::IsSelected(block));
    EXPECT_EQ(globals().presetScale[0].h, 0.905);
    EXPECT_EQ(globals().groupPresetScale[3].v, 1.048);
    if (c.kind == 1 && earlierFront != nullptr) {
      EXPECT_EQ(vmhost::Tag(earlierFront, kSimpleGradingObjectTypeKey), "") << "one graded front at a time";
    }
    if (c.kind == 1) earlierFront = piece;
    vmhost::SetSelected(piece, false);
  }
  int fronts = 0;
  for (ArtHandle a : vmhost::Children(layer->group))
    fronts += vmhost::Tag(a, kSimpleGradingObjectTypeKey)[0] == '2';
  EXPECT_EQ(fronts, 1) << "a new block replaces the old";
}

// Artwork (x, y) is window pixel (500 + x, 400 - y).
TEST_F(BlockTools, TheDragShowsTheInvertedOutlineAndBustLineAndLeavesNothingBehind) {
  globals().simpleGrading.grading_front_bust_position = 25;
  Piece({20, 20}, {60, 40});
  UseKind(1);
  const HWND view = FindDocumentViewWindow();
  vmwin::ClearDrawing(view);
  vmhost::TrackCursor({10, 50});
  EXPECT_EQ(vmwin::CurrentCursorId(), 16104);
  vmhost::MouseDown({10, 50});
  vmhost::MouseDrag({90, 10});
  const std::vector<vmwin::DrawRecord>& lines = vmwin::DrawingOf(view);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].from.x, 510);
  EXPECT_EQ(lines[0].from.y, 350);
  EXPECT_EQ(lines[2].to.x, 510);
  EXPECT_EQ(lines[2].to.y, 390);
  EXPECT_EQ(lines[4].from.y, 380) << "a quarter up from the bottom";
  EXPECT_EQ(lines[4].to.y, 380) << "a quarter up from the bottom";
  for (const auto& r : lines) EXPECT_EQ(r.rop2, R2_NOT);
  vmhost::MouseDrag({70, 30});
  vmhost::MouseUp({70, 30});
  for (int y = 330; y <= 410; ++y)
    for (int x = 490; x <= 610; ++x) ASSERT_EQ(vmwin::PixelAt(view, x, y), vmwin::kBlankPixel);
  EXPECT_EQ(Box(Object(2)), "10 50 70 30");
}

TEST_F(BlockTools, EdgesDialogAndDividersReshapeAnExistingBlock) {
  SimpleGradingSettings& s = globals().simpleGrading;
  s.grading_front_bust_position = 50;
  ArtHandle piece = Piece({200, 200}, {150, 450});
  UseKind(1);
  DragTool({100, 500}, {460, 140});
  DragTool({460, 300}, {640, 300});  // the right edge
  DragTool({300, 140}, {300, -40});  // the bottom edge
  EXPECT_EQ(vmhost::Tag(Object(2), kSimpleGradingObjectTypeKey), "2,-270,0,0,75,75,50,0");
  EXPECT_EQ(Box(Object(2)), "100 500 640 -40");

  // The dialog resizes about the object point, which a quarter turn keeps too.
  vmwin::ScriptDialog(16164, {vmwin::SetText(5, "100"), vmwin::SetText(8, "50"), vmwin::Click(IDOK)});
  ASSERT_EQ(vmhost::EditToolOptions(), kNoErr);
  EXPECT_EQ(Box(Object(2)), "100 410 820 50");
  EXPECT_EQ(vmhost::Tag(piece, kSimpleGradingObjectTypeKey), "12,-270,0,0,0,0,0,0");
  vmwin::ScriptDialog(16164, {vmwin::Check(21, 1), vmwin::Click(IDOK)});
  ASSERT_EQ(vmhost::EditToolOptions(), kNoErr);
  EXPECT_EQ(Box(Object(2)), "-80 230 280 -490");
  vmwin::ScriptDialog(16164, {vmwin::Check(23, 1), vmwin::Click(IDOK)});
  ASSERT_EQ(vmhost::EditToolOptions(), kNoErr);
  EXPECT_EQ(Box(Object(2)), "-80 950 280 230") << "three quarters: the bust line's point at the bottom";

  // A sleeve 20 pt wide: a split that leaves one part 3 pt keeps it at 5.
  s.grading_sleeve_cap_height = 20;
  s.grading_sleeve_front_body_width = 30;
  s.grading_sleeve_back_body_width = 20;
  Piece({105, 200}, {115, 450});
  UseKind(3);
  DragTool({100, 500}, {120, 140});
  DragTool({112, 300}, {103, 300});
  EXPECT_DOUBLE_EQ(s.grading_sleeve_front_body_width, 5.0 / 720 * 100);
  EXPECT_DOUBLE_EQ(s.grading_sleeve_back_body_width, 15.0 / 720 * 100);
  DragTool({110, 428}, {110, 600});  // the cap line past the top stays 1 % down
  EXPECT_DOUBLE_EQ(s.grading_sleeve_cap_height, 1);
  EXPECT_EQ(Paths(Object(4)),
            (std::vector<std::string>{"100 500 120 140", "100 496.4 120 496.4", "105 500 105 140"}));
}

TEST_F(BlockTools, ABlockNeedsAPieceAndAnEditableLayerAndNeverGradesItsOldSelf) {
  UseKind(1);
  const int beeps = vmwin::BeepCount();
  DragTool({100, 500}, {460, 140});
  ArtHandle piece = Piece({200, 200}, {150, 450});
  {
    ModuleSuites suites;
    sAILayer->SetLayerEditable(layer, 0);
  }
  DragTool({100, 500}, {460, 140});
  EXPECT_EQ(Object(2), nullptr);
  EXPECT_EQ(vmhost::Tag(piece, kSimpleGradingObjectTypeKey), "");
  EXPECT_EQ(vmwin::BeepCount(), beeps + 2);

  // With the old block selected too, only the piece is graded.
  {
    ModuleSuites suites;
    sAILayer->SetLayerEditable(layer, 1);
  }
  DragTool({100, 500}, {460, 140});
  vmhost::SetSelected(Object(2), true);
  DragTool({50, 500}, {460, 140});
  EXPECT_EQ(Box(Object(2)), "50 500 460 140");
  EXPECT_EQ(vmhost::Tag(piece, kSimpleGradingObjectTypeKey), "12,0,0,0,0,0,0,0");
}

}  // namespace
}  // namespace vmtest
