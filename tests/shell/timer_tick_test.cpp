// The polling timer: what a tick notices in the selection, the zoom and the
// current document, and what it leaves alone.
#include "store/art_tags.h"
#include "timer_scene.h"

namespace vmtest {
namespace {

using TimerTickTest = TimerScene;

std::vector<double> PreviewHeights() {
  std::vector<double> heights;
  LayerHandle layer = vmhost::FindLayer("<<Vestamark Preview>>");
  for (ArtHandle copies : vmhost::Children(layer != nullptr ? layer->group : nullptr))
    for (ArtHandle copy : vmhost::Children(copies))
      for (const PathSegment& s : vmhost::Segments(copy)) heights.push_back(s.p.v);
  return heights;
}

TEST_F(TimerTickTest, TheSelectionCountsOffPreviewLayersAndNotInANestedTick) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle e = Path(piece, 4, 1), d = Path(piece, 3, 1), c = Path(piece, 2, 2), a = Path(piece, 1, 4);
  StoreGroup({a, c, d, e});
  for (const char* title : {"<<Vestamark Preview>>", "<<Fendrilax Preview>>", "<<Moravine Preview>>"})
    Select({Path(LayerGroup(vmhost::AddLayer(title)), 0, 2)});
  EXPECT_FALSE(TickRefreshes());

  Select({a, c});
  globals().timerBusy = 1;  // a tick is running
  EXPECT_FALSE(TickRefreshes());
  EXPECT_EQ(globals().timerBusy, 1);
  globals().timerBusy = 0;
  ASSERT_TRUE(TickRefreshes());
  Select({c}, false);
  Select({d, e});  // still `a` first, and 6 segments
  ASSERT_TRUE(TickRefreshes());
  EXPECT_EQ(Piece(), (std::vector<ArtHandle>{a, d, e}));
  EXPECT_FALSE(TickRefreshes());
}

TEST_F(TimerTickTest, ClosingTheLastDocumentKeepsNothingOfIt) {
  vmhost::CloseDocument(doc);
  for (int slot : {-1, 1, 7}) {  // no tool, a revision tool, a simple-grading slot
    SCOPED_TRACE(slot);
    doc = vmhost::NewDocument("Closing");
    ArtHandle piece = vmhost::AddGroup(LayerGroup());
    StoreGroup({Path(piece, 0, 2)});
    Select({piece});
    ASSERT_EQ(vmhost::SelectTool(slot == -1 ? nullptr : globals().toolHandles[1]), kNoErr);
    ASSERT_EQ(TickOnce(), kNoErr);
    if (slot == 7) std::swap(globals().toolHandles[1], globals().toolHandles[7]);
    vmhost::CloseDocument(doc);
    EXPECT_TRUE(TickRefreshes());  // the simple-grading family gathers on its own select
    EXPECT_EQ(globals().selectionSignature.pathCount + globals().selectionSignature.segmentCount, 0);
    EXPECT_EQ(globals().pieceArts, nullptr);
    EXPECT_EQ(globals().previewLayer, nullptr);
    EXPECT_EQ(globals().grading_serial, 0u);
    EXPECT_FALSE(TickRefreshes());
    if (slot == 7) std::swap(globals().toolHandles[1], globals().toolHandles[7]);
  }
}

TEST_F(TimerTickTest, WithARevisionToolThePreviewFollowsSelectionAndZoomWithoutUndoSteps) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle right = Path(piece, 20, 3), left = Path(piece, 10, 2);
  StoreGroup({left, right});
  ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[1]), kNoErr);
  const int32_t undoDepth = vmhost::UndoDepth();
  Select({piece});
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(PreviewHeights(), (std::vector<double>{0, 12, 24, 0, 12}));  // scaled 1.2
  vmhost::SetZoom(2.0);
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(globals().lastZoom, 2.0);
  Select({left}, false);
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(PreviewHeights(), (std::vector<double>{0, 12, 24}));
  EXPECT_EQ(vmhost::UndoDepth(), undoDepth);

  {  // a layer of that name that the user made is not the module's
    ModuleSuites suites;
    sAILayer->DeleteLayer(globals().previewLayer);
  }
  vmhost::AddLayer("<<Vestamark Preview>>");
  vmhost::SetZoom(4.0);
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(globals().lastZoom, 2.0);
  EXPECT_TRUE(PreviewHeights().empty());
}

TEST_F(TimerTickTest, APieceWhoseOriginTagIsEmptyIsReadOnceNotOnEveryTick) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  StoreGroup({Path(piece, 20, 3), Path(piece, 10, 2)});
  ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[1]), kNoErr);
  {
    ModuleSuites suites;
    WriteStringTag(piece, "vmk_grading_origin", "");
  }
  Select({piece});
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(globals().pieceArtCount, 2);
  EXPECT_EQ(std::to_string(globals().grading_serial), vmhost::Tag(piece, "vmk_grading_serial"));
  // Idle ticks leave the preview that was drawn; a reload would draw it anew.
  const std::vector<ArtHandle> drawn = vmhost::Children(vmhost::FindLayer("<<Vestamark Preview>>")->group);
  ASSERT_EQ(drawn.size(), 1u);
  for (int tick = 0; tick < 2; ++tick) {
    ASSERT_EQ(TickOnce(), kNoErr);
    EXPECT_EQ(vmhost::Children(vmhost::FindLayer("<<Vestamark Preview>>")->group), drawn);
  }
}

}  // namespace
}  // namespace vmtest
