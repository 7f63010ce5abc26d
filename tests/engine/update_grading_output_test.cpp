// "Update grading" from the Information panel: what the user finds in the
// document after answering the dialog.
#include "engine/update_grading_scene.h"

namespace vmtest {
namespace {

using vmwin::Check;
using vmwin::Click;
using vmwin::PressEnter;
using vmwin::SetText;

class UpdateGradingOutputTest : public UpdateGradingScene {};

TEST_F(UpdateGradingOutputTest, CurrentSetGoesIntoALayerNamedAfterThePresetAndTheSourceStaysSelected) {
  const int32_t depth = vmhost::UndoDepth();
  for (ArtHandle member : members) member->d.style.strokeWidth = 3.0;
  RunUpdate({PressEnter()});

  EXPECT_EQ(EdgesOfLayer("S"), (std::vector<double>{200, 200}));
  ASSERT_EQ(doc->d.layers.back(), vmhost::FindLayer("S")) << "made below all layers";
  std::vector<ArtHandle> groups = vmhost::Children(LayerGroup(vmhost::FindLayer("S")));
  ASSERT_EQ(groups.size(), 1u) << "the piece is a group, so its copies get one";
  for (ArtHandle copy : vmhost::Children(groups[0]))
    EXPECT_TRUE(vmhost::Tags(copy).empty() && !vmhost::IsSelected(copy) && copy->d.style.strokeWidth == 3.0);
  for (ArtHandle member : members) EXPECT_TRUE(vmhost::IsSelected(member));
  EXPECT_TRUE(vmhost::Notifications().empty());
  EXPECT_TRUE(PreviewGroup() == nullptr && vmhost::FindLayer(kPreview)->d.visible);
  EXPECT_EQ(vmhost::UndoText(), "更新の取り消し");

  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(vmhost::FindLayer("S"), nullptr);
  EXPECT_EQ(vmhost::UndoDepth(), depth);
}

TEST_F(UpdateGradingOutputTest,
       AllSetsSkipsADisabledPresetStopsAtTheFirstEmptySlotAndComesBackToTheCurrentOne) {
  globals().presets[1].enabled = 0;  // M
  globals().presets[3].empty = 1;    // LL
  RunUpdate({Click(4), PressEnter()});

  EXPECT_EQ(EdgesOfLayer("S"), (std::vector<double>{200, 200}));
  EXPECT_EQ(EdgesOfLayer("L"), (std::vector<double>{400, 400}));
  EXPECT_TRUE(vmhost::FindLayer("M") == nullptr && vmhost::FindLayer("LL") == nullptr);
  EXPECT_EQ(globals().currentPresetSlot, 0);
  EXPECT_EQ(globals().currentScaleIndex, 0);
  EXPECT_EQ(RightEdges(globals().previewArts[0]), std::vector<double>{200}) << "the preview is S's again";
  EXPECT_EQ(vmhost::UndoText(), "更新の取り消し");
}

TEST_F(UpdateGradingOutputTest, WritingSeveralSetsKeepsTheOriginalsEvenWhenTheUserHadClearedLeave) {
  const struct {
    int16_t mode;
    std::vector<vmwin::UserAction> actions;
    std::vector<double> s, m, l, ll;
  } cases[] = {
      // Switched to all sets in the dialog: the enabled ones (L is not).
      {0, {Click(4), PressEnter()}, {200, 200}, {300, 300}, {}, {500, 500}},
      // Chosen sets stored from an earlier run: the dialog opens in that mode.
      {2, {PressEnter()}, {}, {300, 300}, {}, {500, 500}},
  };
  for (int s = 0; s < 4; ++s) globals().presets[s].output = static_cast<int16_t>(s % 2);
  globals().presets[2].enabled = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    globals().updateGrading.renewal_mode = c.mode;
    globals().updateGrading.renewal_leave = 0;
    RunUpdate(c.actions);
    EXPECT_EQ(globals().updateGrading.renewal_leave, 1);
    EXPECT_EQ(vmhost::Children(piece), members) << "the piece keeps its own paths";
    EXPECT_EQ(RightEdges(piece), (std::vector<double>{100, 100}));
    EXPECT_EQ(EdgesOfLayer("S"), c.s);
    EXPECT_EQ(EdgesOfLayer("M"), c.m);
    EXPECT_EQ(EdgesOfLayer("L"), c.l);
    EXPECT_EQ(EdgesOfLayer("LL"), c.ll);
    ASSERT_TRUE(vmhost::Undo());
  }
}

TEST_F(UpdateGradingOutputTest, ChosenSetsGoIntoOneLayerWhoseNameKeepsAtMost79BytesOfWholeCharacters) {
  for (int s = 0; s < 4; ++s) globals().presets[s].output = static_cast<int16_t>(s % 2);
  const std::string name(79, 'n');
  RunUpdate({Click(5), Check(9, 0), SetText(11, name + "\202\240"), PressEnter()});
  EXPECT_EQ(EdgesOfLayer(name.c_str()), (std::vector<double>{300, 300, 500, 500}));
  EXPECT_EQ(globals().updateGrading.renewal_out_lname, name);
  EXPECT_EQ(vmhost::FindLayer("M"), nullptr);
}

TEST_F(UpdateGradingOutputTest, ReplacingTheSourceMovesItsTagsOntoTheCopiesAndTellsOtherPlugins) {
  const std::string serial = vmhost::Tag(piece, "vmk_grading_serial");
  const std::string member = vmhost::Tag(members[0], "vmk_grading_member");
  ASSERT_FALSE(serial.empty());
  RunUpdate({Check(6, 0), Check(8, 0), PressEnter()});

  std::vector<ArtHandle> top = vmhost::Children(LayerGroup(CurrentLayer()));
  ASSERT_EQ(top.size(), 2u);
  EXPECT_EQ(top[1], piece) << "the new group sits directly above the piece";
  EXPECT_EQ(vmhost::Tag(top[0], "vmk_grading_serial"), serial);
  EXPECT_TRUE(vmhost::Children(piece).empty()) << "the graded copies replace the members";
  std::vector<ArtHandle> copies = vmhost::Children(top[0]);
  EXPECT_EQ(RightEdges(top[0]), (std::vector<double>{200, 200}));
  for (ArtHandle copy : copies) EXPECT_TRUE(vmhost::IsSelected(copy));
  EXPECT_EQ(vmhost::Tag(copies.back(), "vmk_grading_member"), member);
  EXPECT_EQ(vmhost::Notifications(), (std::vector<std::string>{kUpdateGradingNotification}));
  EXPECT_EQ(Piece(), copies) << "the copies are the piece now";
  EXPECT_EQ(globals().previewArtCount, 3) << "and are previewed";
}

TEST_F(UpdateGradingOutputTest, ALoosePieceWithoutAnOutputLayerGetsEachCopyRightAboveItsPath) {
  ArtHandle low = nullptr, high = nullptr;
  {
    ModuleSuites suites;
    low = Rect(LayerGroup(), 0, 200, 100, 250);
    high = Rect(LayerGroup(), 0, 300, 100, 400);
    std::vector<ArtHandle> arts{low, high};
    globals().grading_origin = {0, 0};
    SaveGradingGroup(arts.data(), 2, 1);
  }
  vmhost::SetSelected(piece, false);
  vmhost::SetSelected(low, true);
  vmhost::SetSelected(high, true);
  InModuleCall([] { RefreshGradingPreview(0); });
  ASSERT_EQ(Piece().size(), 2u);
  RunUpdate({Check(8, 0), PressEnter()});

  const std::vector<ArtHandle> top = vmhost::Children(LayerGroup());
  ASSERT_EQ(top.size(), 5u);
  EXPECT_EQ((std::vector<ArtHandle>{top[1], top[3], top[4]}), (std::vector<ArtHandle>{high, low, piece}));
  EXPECT_EQ(RightEdges(top[0]), std::vector<double>{200});
  EXPECT_EQ(RightEdges(top[2]), std::vector<double>{200});
}

TEST_F(UpdateGradingOutputTest, CancelMakesNoUndoStepAndNoPieceOnlyBeeps) {
  const int32_t depth = vmhost::UndoDepth();
  RunUpdate({Click(4), vmwin::PressEscape()});
  EXPECT_EQ(vmwin::ShownDialogs().at(0).result, 2);
  EXPECT_EQ(vmhost::UndoDepth(), depth);

  vmhost::SetSelected(piece, false);
  InModuleCall([] { RefreshGradingPreview(0); });
  RunUpdate({PressEnter()});
  EXPECT_EQ(vmwin::BeepCount(), 1);
  EXPECT_EQ(vmwin::ShownDialogs().size(), 1u);
  vmwin::ClearScript();
}

TEST_F(UpdateGradingOutputTest, WithNoRevisionToolWhatThePreviewShowedIsWritten) {
  ASSERT_EQ(vmhost::SelectTool(nullptr), kNoErr);
  target = vmhost::AddLayer("Second");
  GradedPiece(target);
  const struct {
    vmwin::UserAction mode;
    std::vector<double> s, l;
    size_t previewed;  // paths in the dialog's preview: two per piece and set
  } cases[] = {{Click(3), {200, 200, 200, 200}, {}, 4},
               {Click(4), {200, 200, 200, 200}, {400, 400, 400, 400}, 16}};
  for (const auto& c : cases) {
    globals().varTitlesValid = 1;
    InModuleCall([] { RefreshGradingPreview(0); });  // as the timer does for the selection
    ASSERT_EQ(globals().pieceArtCount, 2);
    std::vector<double> shown;
    RunUpdate({c.mode, Look([&](HWND) { shown = RightEdges(PreviewGroup()); }), PressEnter()});
    EXPECT_EQ(EdgesOfLayer("S"), c.s) << "both pieces, as previewed";
    EXPECT_EQ(EdgesOfLayer("L"), c.l);
    EXPECT_EQ(shown.size(), c.previewed);
    EXPECT_EQ(vmhost::UndoText(), "更新の取り消し");
    ASSERT_TRUE(vmhost::Undo());
  }
}

}  // namespace
}  // namespace vmtest
