// "Update grading" from the Information panel: what the user finds in the
// document after answering the dialog.
#include "engine/update_grading_scene.h"

namespace vmtest {
namespace {

using vmwin::Check;
using vmwin::Click;
using vmwin::PressEnter;
using vmwin::SetText;

class UpdateGradingOutputTest : public UpdateGradingScene {
 protected:
  // A second graded piece, with a distance handle between its paths, so that
  // each save of it draws its ids anew.
  static ArtHandle HandledPiece(LayerHandle layer) {
    ArtHandle group = vmhost::AddGroup(LayerGroup(layer));
    std::vector<ArtHandle> arts{Rect(group, 0, 0, 100, 50), Rect(group, 0, 60, 100, 120)};
    ModuleSuites suites;
    RevisionHandle& h = gPlugin->handles[0];
    h.kind = kHandleDistance;
    h.line = TwoPointHandleData{{100, 0}, {100, 60}, arts[0], arts[1], 1, 0, {}};
    for (auto& amount : h.line.amountExpr) strcpy(amount, "100.0");
    SaveGradingGroup(arts.data(), 2, 1);
    memset(&h, 0, sizeof h);
    return group;
  }
  static std::vector<std::vector<std::pair<std::string, std::string>>> TagsOf(ArtHandle group) {
    std::vector<std::vector<std::pair<std::string, std::string>>> tags{vmhost::Tags(group)};
    for (ArtHandle art : vmhost::Children(group)) tags.push_back(vmhost::Tags(art));
    return tags;
  }
  static size_t ArtCount(ArtHandle art) {
    size_t count = 1;
    for (ArtHandle kid : vmhost::Children(art)) count += ArtCount(kid);
    return count;
  }
  // Art the host made, dead or alive.
  size_t ArtMade() const { return doc->artPool.size(); }
  // Texts made since the host had made `made` arts: the handles' labels.
  size_t LabelsMadeSince(size_t made) const {
    size_t labels = 0;
    for (size_t n = made; n < ArtMade(); ++n) labels += doc->artPool[n]->d.type == kTextFrameArt ? 1 : 0;
    return labels;
  }
};

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
  const std::string name(78, 'n');  // and a double-byte character that would end past byte 79
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

// The dialog previews every set and the command writes every set of the
// current piece: the other piece is neither reloaded nor saved for any.
TEST_F(UpdateGradingOutputTest, EverySetOfOnePieceLeavesTheOtherPiecesAsTheyStood) {
  target = vmhost::AddLayer("Second");
  ArtHandle other = HandledPiece(target);
  const auto before = TagsOf(other);
  RunUpdate({Click(4), PressEnter()});
  EXPECT_EQ(EdgesOfLayer("LL"), (std::vector<double>{500, 500}));
  EXPECT_EQ(TagsOf(other), before);
}

// What is built for a set only to be written or previewed in the dialog
// carries no marks: a handle's label is drawn only for the preview left on
// show once the dialog closes and once the sets are written.
TEST_F(UpdateGradingOutputTest, OnlyThePreviewLeftOnShowIsDrawnWithItsMarks) {
  vmhost::SetSelected(piece, false);
  ArtHandle handled = HandledPiece(CurrentLayer());
  vmhost::SetSelected(handled, true);
  const struct {
    int16_t preview, slot;
    vmwin::UserAction mode;
    size_t shown;  // previews drawn whole
  } cases[] = {
      {0, 0, Click(4), 1},  // the current set drawn again after the sets
      {0, 3, Click(4), 1},  // the current set written last
      {1, 0, Click(4), 3},  // and the dialog's current set, when it opens and again when it closes
      {1, 0, Click(3), 2},  // the dialog's current set, when it opens and when it is clicked
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.preview << " " << c.slot << " " << c.shown);
    globals().updateGrading.renewal_preview = c.preview;
    globals().updateGrading.renewal_mode = 0;
    globals().currentPresetSlot = globals().currentScaleIndex = c.slot;
    InModuleCall([] { RefreshGradingPreview(1); });
    ArtHandle shown = LayerGroup(vmhost::FindLayer(kPreview));
    const size_t marked = ArtCount(shown);
    const size_t made = ArtMade();
    RunUpdate({c.mode, PressEnter()});
    EXPECT_EQ(ArtCount(shown), marked) << "the copies, the handle's and the origin's marks";
    EXPECT_EQ(LabelsMadeSince(made), c.shown);
    ASSERT_TRUE(vmhost::Undo());
  }
}

// Every piece, every set, the preview off: the titled pieces are looked for
// once to write their tags afresh, once for all the sets, once to put the
// current set back; no preview is left on show, so none is drawn with marks.
TEST_F(UpdateGradingOutputTest, EveryPieceIsWrittenFromCopiesWithoutMarksFoundOnce) {
  ASSERT_EQ(vmhost::SelectTool(nullptr), kNoErr);
  target = vmhost::AddLayer("Second");
  HandledPiece(target);
  ArtHandle loose = Rect(LayerGroup(), 500, 500, 510, 510);
  globals().varTitlesValid = 1;
  globals().updateGrading.renewal_preview = 0;
  InModuleCall([] { RefreshGradingPreview(0); });
  const size_t made = ArtMade();
  vmhost::CountTagReads(kGradingTitleKey, loose);
  RunUpdate({Click(4), PressEnter()});
  EXPECT_EQ(EdgesOfLayer("LL").size(), 4u) << "both pieces";
  EXPECT_EQ(vmhost::TagReads(), 3);
  EXPECT_EQ(LabelsMadeSince(made), 0u);
}

}  // namespace
}  // namespace vmtest
