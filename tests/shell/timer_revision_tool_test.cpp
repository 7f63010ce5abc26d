// Ticks while one of the module's revision tools is current: the preview
// follows the selection, the piece's group and the zoom, without undo steps.
#include "host/host_driver.h"
#include "store/art_tags.h"
#include "timer_scene.h"

namespace vmtest {
namespace {

using Anchors = std::vector<std::pair<double, double>>;

class TimerRevisionToolTest : public TimerScene {
 protected:
  void SetUp() override {
    TimerScene::SetUp();
    piece = vmhost::AddGroup(LayerGroup());
    lower = Rect(piece, 0, 0, 100, 50);
    upper = Rect(piece, 0, 60, 100, 120);
    StoreGroup({lower, upper});
    Select({piece});
    ASSERT_EQ(vmhost::SelectTool(RevisionTool()), kNoErr);
    ASSERT_EQ(TickOnce(), kNoErr);
    undoDepth = vmhost::UndoDepth();
  }
  void TearDown() override {
    EXPECT_EQ(vmhost::UndoDepth(), undoDepth) << "a preview rebuild left an undo step";
    TimerScene::TearDown();
  }
  static double StrokeWidth(ArtHandle art) {
    HeldSuites suites;
    PathStyle style{};
    sAIPathStyle->GetPathStyle(art, &style);
    return style.strokeWidth;
  }

  ArtHandle piece = nullptr, lower = nullptr, upper = nullptr;
  int32_t undoDepth = 0;
};

TEST_F(TimerRevisionToolTest, TheSelectedPieceShowsItsGradedOutline) {
  EXPECT_EQ(globals().varTitlesValid, 0);
  EXPECT_EQ(CountLayersTitled(kPreview), 1);
  // Both rectangles scaled 1.2 about the stored origin.
  EXPECT_EQ(PreviewAnchors(), (Anchors{{0, 0},
                                       {120, 0},
                                       {120, 60},
                                       {0, 60},  //
                                       {0, 72},
                                       {120, 72},
                                       {120, 144},
                                       {0, 144}}));
}

TEST_F(TimerRevisionToolTest, AZoomChangeRedrawsTheModulesOwnPreviewAtTheNewScale) {
  vmhost::SetZoom(2.0);
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(globals().lastZoom, 2.0);
  ASSERT_EQ(PreviewCopies().size(), 2u);
  EXPECT_EQ(StrokeWidth(PreviewCopies()[0]), 0.5);

  // The user's own layer of that name is not the module's: no redraw.
  {
    HeldSuites suites;
    sAILayer->DeleteLayer(globals().previewLayer);
  }
  LayerHandle impostor = vmhost::AddLayer(kPreview);
  vmhost::SetZoom(4.0);
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(globals().lastZoom, 2.0);
  EXPECT_TRUE(vmhost::Children(LayerGroup(impostor)).empty());
}

TEST_F(TimerRevisionToolTest, AnUnchangedTickRedrawsNothing) {
  const std::vector<ArtHandle> before = PreviewCopies();
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(PreviewCopies(), before);
}

TEST_F(TimerRevisionToolTest, ANewSelectionIsPreviewedAndAnEmptyOneClearsTheLayer) {
  Select({piece}, false);
  Select({lower});
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(Piece(), std::vector<ArtHandle>{lower});
  EXPECT_EQ(PreviewAnchors(), (Anchors{{0, 0}, {120, 0}, {120, 60}, {0, 60}}));

  Select({lower}, false);
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(globals().pieceArtCount, 0);
  EXPECT_TRUE(PreviewCopies().empty());
  EXPECT_EQ(CountLayersTitled(kPreview), 1);
}

TEST_F(TimerRevisionToolTest, AnotherSerialOnTheSameSelectionReloadsTheGroup) {
  {
    HeldSuites suites;
    WriteStringTag(piece, kGradingSerialKey, "77");
  }
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(globals().grading_serial, 77u);
}

TEST_F(TimerRevisionToolTest, SwitchingDocumentsRemovesAStalePreviewLayerAndMakesAFreshOne) {
  DocumentHandle second = vmhost::NewDocument("Pattern-2");
  LayerHandle stale = vmhost::AddLayer(kPreview);
  Rect(LayerGroup(stale), 0, 0, 5, 5);
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(CountLayersTitled(kPreview), 1);
  EXPECT_NE(globals().previewLayer, stale);
  EXPECT_EQ(globals().previewLayer, TopLayer());
  EXPECT_TRUE(PreviewCopies().empty());
  vmhost::CloseDocument(second);
  ASSERT_EQ(TickOnce(), kNoErr);
  undoDepth = vmhost::UndoDepth();
}

}  // namespace
}  // namespace vmtest
