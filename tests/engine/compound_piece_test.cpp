// A piece drawn as a compound path, a front with a hole: its two paths are the
// piece's members wherever a piece is gathered, graded, previewed and written.
#include <cstring>

#include "engine/update_grading_scene.h"
#include "expr/script.h"
#include "support/tool_gestures.h"

namespace vmtest {
namespace {

using vmwin::PressEnter;

class CompoundPiece : public UpdateGradingScene {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    for (int s = 0; s < 4; ++s) globals().groupPresetScale[s] = globals().presetScale[s] = {s + 2.0, 1.0};
    piece = vmhost::AddGroup(LayerGroup(), kCompoundPathArt);
    outline = Rect(piece, 0, 0, 100, 120);
    hole = Rect(piece, 30, 40, 70, 80);
    members = vmhost::Children(piece);  // the hole, drawn last, on top
    {
      ModuleSuites suites;
      std::strcpy(gPlugin->grading_title, "FRONT");
      std::strcpy(gPlugin->variables.varNames[0], "ease");
      std::strcpy(gPlugin->variables.varValues[0], "7");
      gPlugin->grading_origin = {0, 0};
      SaveGradingGroup(members.data(), 2, 1);
    }
    vmhost::SetSelected(piece, true);
    ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[1]), kNoErr);
    vmhost::ClearRecordings();
  }

  // The arts written on the layer of the size S, topmost first.
  static std::vector<ArtHandle> WrittenForS() {
    LayerHandle written = vmhost::FindLayer("S");
    return written != nullptr ? vmhost::Children(LayerGroup(written)) : std::vector<ArtHandle>{};
  }

  ArtHandle outline = nullptr, hole = nullptr;
};

TEST_F(CompoundPiece, ItsPathsAreGradedPreviewedAndTakeHandles) {
  EXPECT_EQ(Piece(), members);
  // The base size S doubles the width about the origin: the outline reaches 200, the hole 140.
  ASSERT_EQ(globals().previewArtCount, 3);
  EXPECT_EQ(RightEdges(globals().previewArts[0]), std::vector<double>{140});
  EXPECT_EQ(RightEdges(globals().previewArts[1]), std::vector<double>{200});

  const int beeps = vmwin::BeepCount();
  vmhost::TrackCursor({-50, -50});
  DragTool({30, 40}, {0, 0});  // from the hole's corner to the outline's
  EXPECT_EQ(vmwin::BeepCount(), beeps);
  const RevisionHandle& h = globals().handles[0];
  EXPECT_EQ(h.kind, kHandleDistance);
  EXPECT_EQ(h.line.art1, hole);
  EXPECT_EQ(h.line.art2, outline);
  // The group's tags stay on the compound path, the membership on each of its paths.
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_title"), "FRONT");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_fxh_conf_1").rfind("-2,", 0), 0u);
  for (ArtHandle member : members)
    EXPECT_EQ(vmhost::Tag(member, "vmk_grading_member"), vmhost::Tag(piece, "vmk_grading_serial"));
}

TEST_F(CompoundPiece, OtherPiecesReadItsVariablesByItsTitle) {
  double ease = 0;
  InModuleCall([&] { ease = EvaluateExpressionToNumber("FRONT:ease"); });
  EXPECT_EQ(ease, 7);
  EXPECT_TRUE(vmhost::Alerts().empty());
}

// "Update grading" writes the front for the size S on a layer of that name, its hole kept a hole.
TEST_F(CompoundPiece, UpdateGradingWritesItWithItsHoleAsACompoundPath) {
  for (bool revisionTool : {true, false}) {
    SCOPED_TRACE(revisionTool);
    if (!revisionTool) {
      // Without one every titled piece of the document is written.
      InModuleCall([] { sAILayer->DeleteLayer(vmhost::FindLayer("S")); });
      ASSERT_EQ(vmhost::SelectTool(nullptr), kNoErr);
      ASSERT_EQ(TickOnce(), kNoErr);
      ASSERT_EQ(globals().varTitlesValid, 1);
    }
    RunUpdate({PressEnter()});
    const std::vector<ArtHandle> top = WrittenForS();
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0]->d.type, kCompoundPathArt);
    EXPECT_EQ(RightEdges(top[0]), (std::vector<double>{200, 140}));  // the outline below, the hole on top
  }
}

TEST_F(CompoundPiece, InsideAGroupPieceItIsWrittenAsACompoundPathOfTheGroupsCopy) {
  ArtHandle group = vmhost::AddGroup(LayerGroup());
  ArtHandle facing = Rect(group, 200, 0, 260, 120);
  ArtHandle front = vmhost::AddGroup(group, kCompoundPathArt);
  std::vector<ArtHandle> paths{facing, Rect(front, 300, 0, 400, 120), Rect(front, 330, 40, 370, 80)};
  InModuleCall([&] { SaveGradingGroup(paths.data(), 3, 1); });
  vmhost::SetSelected(piece, false);
  vmhost::SetSelected(group, true);
  ASSERT_EQ(TickOnce(), kNoErr);
  ASSERT_EQ(globals().pieceArtCount, 3);

  RunUpdate({PressEnter()});
  const std::vector<ArtHandle> top = WrittenForS();
  ASSERT_EQ(top.size(), 1u);
  EXPECT_EQ(top[0]->d.type, kGroupArt);
  std::vector<int16_t> types;
  for (ArtHandle art : vmhost::Children(top[0])) types.push_back(art->d.type);
  EXPECT_EQ(types, (std::vector<int16_t>{kCompoundPathArt, kPathArt}));  // the front above the facing, as drawn
  EXPECT_EQ(vmhost::Children(vmhost::Children(top[0])[0]).size(), 2u);
}

}  // namespace
}  // namespace vmtest
