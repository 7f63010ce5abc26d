// Front body, back body and sleeve blocks drawn with their tools around the
// selected piece: the tagged block, the graded piece, and edits of an existing
// block by its dividers and by its dialog.
#include <algorithm>
#include <string>

#include "tools_scene.h"
#include "win_driver.h"

namespace vmtest {
namespace {

using BlockTools = ToolsScene;

std::vector<PathSegment> Line(double x1, double y1, double x2, double y2) {
  return {vmhost::Corner(x1, y1), vmhost::Corner(x2, y2)};
}

// The block's paths bottom first: outline, then the dividers.
std::vector<ArtHandle> PathsOf(ArtHandle block) {
  std::vector<ArtHandle> paths = vmhost::Children(block);
  return {paths.rbegin(), paths.rend()};
}

bool SameSegments(const std::vector<PathSegment> &a, const std::vector<PathSegment> &b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::fabs(a[i].p.h - b[i].p.h) > 1e-6 || std::fabs(a[i].p.v - b[i].p.v) > 1e-6) return false;
  }
  return true;
}

TEST_F(BlockTools, ADragDrawsTheBlockAndTurnsTheSelectedPieceIntoAGradedPiece) {
  const struct {
    int16_t kind, rotation;
    RealPoint from, to;
    const char *record;
    std::vector<std::vector<PathSegment>> dividers;
  } cases[] = {
      {1, 0, {100, 500}, {460, 140}, "2,-180,0,0,50,50,50,0", {Line(100, 320, 460, 320)}},
      {2, 0, {460, 140}, {100, 500}, "3,180,0,0,50,50,50,0", {Line(100, 320, 460, 320)}},
      // Turned a quarter: the across span gives the height, the bust line
      // stands upright.
      {1, 1, {600, 320}, {960, 140}, "2,0,90,1,25,50,50,0", {Line(780, 320, 780, 140)}},
      // Cap line 20 % down, front and back split 3 : 2, taken from the dress
      // length.
      {3,
       0,
       {100, 500},
       {200, 140},
       "4,10,108,0,20,50,8.33333,5.55556",
       {Line(100, 428, 200, 428), Line(160, 500, 160, 140)}},
  };
  SimpleGradingSettings &s = globals().simpleGrading;
  s.grading_front_bust_position = s.grading_back_bust_position = 50;
  s.grading_sleeve_cap_height = 20;
  s.grading_sleeve_front_body_width = 30;
  s.grading_sleeve_back_body_width = 20;
  ArtHandle earlierFront = nullptr;
  for (const auto &c : cases) {
    SCOPED_TRACE(c.record);
    ArtHandle piece = Piece({0, 0}, {1000, 1000});
    UseKind(c.kind);
    *(c.kind == 1   ? &s.grading_front_rotation
      : c.kind == 2 ? &s.grading_back_rotation
                    : &s.grading_sleeve_rotation) = c.rotation;
    DragTool(c.from, c.to);
    ArtHandle block = Object(c.kind + 1);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(vmhost::Tag(block, kSimpleGradingObjectTypeKey), c.record);
    const std::vector<ArtHandle> paths = PathsOf(block);
    ASSERT_EQ(paths.size(), 1 + c.dividers.size());
    const RealRect r = Bounds(block);
    EXPECT_TRUE(Near(r.left, std::min(c.from.h, c.to.h)) && Near(r.top, std::max(c.from.v, c.to.v)));
    for (size_t i = 0; i < c.dividers.size(); ++i)
      EXPECT_TRUE(SameSegments(vmhost::Segments(paths[i + 1]), c.dividers[i])) << i;

    EXPECT_EQ(vmhost::Tag(piece, kSimpleGradingObjectTypeKey),
              std::to_string(c.kind + 11) + ",0,0,0,0,0,0,0");
    EXPECT_NE(vmhost::Tag(piece, "vmk_grading_serial"), "");
    EXPECT_TRUE(vmhost::IsSelected(piece) && !vmhost::IsSelected(block));
    EXPECT_TRUE(Near(globals().presetScale[0].h, 0.905) && Near(globals().groupPresetScale[3].v, 1.048));
    EXPECT_EQ(globals().presetScale[5].h, 0);
    EXPECT_EQ(globals().grading_compscale, 1.0);
    if (c.kind == 1 && earlierFront != nullptr) {
      EXPECT_EQ(vmhost::Tag(earlierFront, kSimpleGradingObjectTypeKey), "") << "one graded front at a time";
    }
    if (c.kind == 1) earlierFront = piece;
    vmhost::SetSelected(piece, false);
  }
  int fronts = 0;
  for (ArtHandle a : vmhost::Children(layerGroup))
    fronts += vmhost::Tag(a, kSimpleGradingObjectTypeKey)[0] == '2';
  EXPECT_EQ(fronts, 1) << "a new block replaces the old";
}

TEST_F(BlockTools, TheDialogOfABlockResizesItAboutItsObjectPoint) {
  ArtHandle piece = Piece({200, 200}, {150, 450});
  globals().simpleGrading.grading_front_bust_position = 50;
  UseKind(1);
  DragTool({100, 500}, {460, 140});
  vmwin::ScriptDialog(16164, {vmwin::SetText(5, "100"), vmwin::Click(IDOK)});
  ASSERT_EQ(vmhost::EditToolOptions(), kNoErr);
  ArtHandle block = Object(2);
  const RealRect r = Bounds(block);
  EXPECT_TRUE(Near(r.left, 100) && Near(r.right, 820) && Near(r.top, 500) && Near(r.bottom, 140));
  EXPECT_EQ(vmhost::Tag(block, kSimpleGradingObjectTypeKey), "2,-360,0,0,100,50,50,0");
  EXPECT_EQ(vmhost::Tag(piece, kSimpleGradingObjectTypeKey), "12,-180,0,0,0,0,0,0");

  // A quarter turn keeps the bust line's point where it was.
  vmwin::ScriptDialog(16164, {vmwin::Check(21, 1), vmwin::Click(IDOK)});
  ASSERT_EQ(vmhost::EditToolOptions(), kNoErr);
  const RealRect turned = Bounds(Object(2));
  EXPECT_TRUE(Near(turned.left, -80) && Near(turned.right, 280) && Near(turned.top, 320) &&
              Near(turned.bottom, -400));
}

TEST_F(BlockTools, DraggingADividerMovesTheSplitOrTheCapLineWithinTheBlock) {
  SimpleGradingSettings &s = globals().simpleGrading;
  s.grading_sleeve_cap_height = 20;
  s.grading_sleeve_front_body_width = 30;
  s.grading_sleeve_back_body_width = 20;
  Piece({105, 200}, {115, 450});
  UseKind(3);
  DragTool({100, 500}, {120, 140});  // 20 pt wide, split at 112
  // One part would be 3 pt: it keeps 5 and the other takes 15.
  DragTool({112, 300}, {103, 300});
  EXPECT_TRUE(Near(s.grading_sleeve_front_body_width, 5.0 / 720 * 100));
  EXPECT_TRUE(Near(s.grading_sleeve_back_body_width, 15.0 / 720 * 100));
  std::vector<ArtHandle> paths = PathsOf(Object(4));
  ASSERT_EQ(paths.size(), 3u);
  EXPECT_TRUE(SameSegments(vmhost::Segments(paths[2]), Line(105, 500, 105, 140)));
  const RealRect r = Bounds(Object(4));
  EXPECT_TRUE(Near(r.left, 100) && Near(r.right, 120)) << "the block keeps its size";

  DragTool({110, 428}, {110, 464});  // the cap line up to 10 %
  EXPECT_TRUE(Near(s.grading_sleeve_cap_height, 10));
  DragTool({110, 464}, {110, 600});  // past the top: no less than 1 %
  EXPECT_TRUE(Near(s.grading_sleeve_cap_height, 1));
  paths = PathsOf(Object(4));
  EXPECT_TRUE(SameSegments(vmhost::Segments(paths[1]), Line(100, 496.4, 120, 496.4)));
}

TEST_F(BlockTools, ABlockIsRefusedWithABeepWithoutAPieceOrOnALockedLayer) {
  UseKind(1);
  const int beeps = vmwin::BeepCount();
  DragTool({100, 500}, {460, 140});
  EXPECT_EQ(Object(2), nullptr);
  EXPECT_EQ(vmwin::BeepCount(), beeps + 1);

  ArtHandle piece = Piece({200, 200}, {150, 450});
  {
    HeldSuites suites;
    sAILayer->SetLayerEditable(layer, 0);
  }
  DragTool({100, 500}, {460, 140});
  EXPECT_EQ(Object(2), nullptr);
  EXPECT_EQ(vmhost::Tag(piece, kSimpleGradingObjectTypeKey), "");
  EXPECT_EQ(vmwin::BeepCount(), beeps + 2);
}

TEST_F(BlockTools, ChoosingABlockToolGathersItsPieceAndReadsTheBlocksRecord) {
  ArtHandle piece = Piece({200, 200}, {150, 450});
  UseKind(1);
  DragTool({100, 500}, {460, 140});
  ArtHandle stray = Piece({900, 900}, {950, 950});  // selected, but outside every block
  globals().simpleGrading.grading_front_body_width = 1;
  globals().simpleGrading.measureLength = 12;
  UseKind(2);
  UseKind(1);
  EXPECT_EQ(globals().simpleGrading.grading_front_body_width, 50);
  EXPECT_EQ(globals().simpleGrading.measureLength, 0);
  // Whatever lies on the front block, selected or not; nothing outside it.
  const std::vector<ArtHandle> gathered(globals().pieceArts, globals().pieceArts + globals().pieceArtCount);
  EXPECT_EQ(std::count(gathered.begin(), gathered.end(), vmhost::Children(piece)[0]), 1);
  EXPECT_EQ(std::count(gathered.begin(), gathered.end(), vmhost::Children(stray)[0]), 0);
  ASSERT_EQ(vmhost::SelectTool(nullptr), kNoErr);
  EXPECT_EQ(globals().pieceArts, nullptr);
}

}  // namespace
}  // namespace vmtest
