// Back body and sleeve blocks turned a quarter, a half and three quarters:
// where a drag puts their dividers and object point, and where the dialog's
// rotation puts the block about the object point it keeps.
#include <string>
#include <vector>

#include "resources/simple_grading_resource_ids.h"
#include "tools_scene.h"
#include "win_driver.h"

namespace vmtest {
namespace {

class BlockTurns : public ToolsScene {
 protected:
  void SetUp() override {
    ToolsScene::SetUp();
    SimpleGradingSettings& s = globals().simpleGrading;
    s.grading_back_bust_position = 25;
    s.grading_sleeve_cap_height = 20;
    s.grading_sleeve_front_body_width = 30;
    s.grading_sleeve_back_body_width = 20;
  }
};

// A 300 x 360 drag; the basic size's dress length, bust girth and sleeve
// depth are 720 pt each.
TEST_F(BlockTurns, ADragPlacesTheDividersByTheTurn) {
  const struct {
    int16_t kind, rotation;
    const char* record;
    std::vector<std::string> paths;
  } cases[] = {
      // The bust line a quarter of the way from the bottom (0), left (1), top
      // (2) or right (3), on the back's side; across and along swap at odd turns.
      {2, 1, "3,-75,-180,1,50,41.6667,25,0", {"100 500 400 140", "175 500 175 140"}},
      {2, 2, "3,-150,90,2,41.6667,50,25,0", {"100 500 400 140", "100 410 400 410"}},
      {2, 3, "3,75,180,3,50,41.6667,25,0", {"100 500 400 140", "325 500 325 140"}},
      // The cap line a fifth from the top, turned; the front takes three fifths
      // of the split, from the left (0), top (1), right (2) or bottom (3).
      {3, 1, "4,90,-36,1,20,41.6667,30,20", {"100 500 400 140", "340 500 340 140", "100 284 400 284"}},
      {3, 2, "4,-30,-108,2,20,50,25,16.6667", {"100 500 400 140", "100 212 400 212", "220 500 220 140"}},
      {3, 3, "4,-90,36,3,20,41.6667,30,20", {"100 500 400 140", "160 500 160 140", "100 356 400 356"}},
  };
  SimpleGradingSettings& s = globals().simpleGrading;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.record);
    ArtHandle piece = Piece({200, 200}, {250, 450});
    UseKind(c.kind);
    *(c.kind == 2 ? &s.grading_back_rotation : &s.grading_sleeve_rotation) = c.rotation;
    DragTool({100, 500}, {400, 140});
    EXPECT_EQ(vmhost::Tag(Object(c.kind + 1), kSimpleGradingObjectTypeKey), c.record);
    EXPECT_EQ(Paths(Object(c.kind + 1)), c.paths);
    EXPECT_EQ(vmhost::Tag(piece, kSimpleGradingObjectTypeKey),
              std::to_string(c.kind + 11) + ",0,0,0,0,0,0,0");
    vmhost::SetSelected(piece, false);
    // The next drag starts where this block's corner is: it would take its edge.
    ArtHandle block = Object(c.kind + 1);
    ModuleSuites suites;
    sAIArt->DisposeArt(block);
  }
}

// Turning a drawn block in its dialog keeps the object point where it was
// and turns the rest clockwise about it.
TEST_F(BlockTurns, TheDialogTurnsTheBlockAboutItsObjectPoint) {
  const struct {
    int16_t kind;
    int dialog;
    std::vector<const char*> percentages;  // as typed into the edits, in order
    RealPoint pieceFrom, pieceTo;
    std::vector<std::string> turned[3];  // at 1, 2 and 3 quarters
  } cases[] = {
      // Width 50 %, height 75 %, bust line a quarter up: object point (460, 195).
      {2,
       16165,
       {"50", "75", "25"},
       {440, 180},
       {480, 210},
       {{"325 555 865 195", "460 555 460 195"},
        {"460 330 820 -210", "460 195 820 195"},
        {"55 195 595 -165", "460 195 460 -165"}}},
      // Front 30 %, back 20 %, length 75 %, cap a fifth down: object point (316, 492).
      {3,
       16166,
       {"30", "20", "20", "75"},
       {300, 480},
       {330, 500},
       {{"-116 708 424 348", "316 708 316 348", "-116 492 424 492"},
        {"172 924 532 384", "172 492 532 492", "316 924 316 384"},
        {"208 636 748 276", "316 636 316 276", "208 492 748 492"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    ArtHandle piece = Piece(c.pieceFrom, c.pieceTo);
    UseKind(c.kind);
    DragTool({100, 600}, {460, 60});
    for (int turn = 1; turn <= 3; ++turn) {
      std::vector<vmwin::UserAction> actions;
      for (size_t i = 0; i < c.percentages.size(); ++i)
        actions.push_back(vmwin::SetText(kProportionEdits[i], c.percentages[i]));
      actions.push_back(vmwin::Check(20 + turn, 1));
      actions.push_back(vmwin::Click(IDOK));
      vmwin::ScriptDialog(c.dialog, std::move(actions));
      ASSERT_EQ(vmhost::EditToolOptions(), kNoErr);
      EXPECT_EQ(Paths(Object(c.kind + 1)), c.turned[turn - 1]) << turn;
      const std::string graded = std::to_string(c.kind + 11) + ",";
      EXPECT_EQ(vmhost::Tag(piece, kSimpleGradingObjectTypeKey).substr(0, 3), graded) << turn;
    }
    vmhost::SetSelected(piece, false);
  }
}

}  // namespace
}  // namespace vmtest
