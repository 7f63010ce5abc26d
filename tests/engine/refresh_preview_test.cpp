// Refreshing and clearing the grading preview: the preview layer, the piece
// kept in each mode, the default arrow length and the undo history.
#include "engine/preview_refresh.h"
#include "shell/timer_scene.h"

namespace vmtest {
namespace {

class RefreshPreviewTest : public TimerScene {
 protected:
  void SetUp() override {
    TimerScene::SetUp();
    piece = GradedPiece();
    loose = Rect(LayerGroup(), 200, 0, 260, 40);
    globals().grading_length = 0.0;
  }
  void Refresh(int16_t force) {
    HeldSuites suites;
    RefreshGradingPreview(force);
  }

  ArtHandle piece = nullptr, loose = nullptr;
};

TEST_F(RefreshPreviewTest, AForcedRefreshMakesOnePreviewLayerOnTopAndThenReusesIt) {
  Select({piece});
  vmhost::AddLayer("Top");
  Refresh(1);
  EXPECT_EQ(globals().previewLayer, TopLayer());
  EXPECT_EQ(vmhost::LayerTitle(TopLayer()), kPreview);
  {
    HeldSuites suites;
    RGBColor16 color{};
    sAILayer->GetLayerColor(TopLayer(), &color);
    EXPECT_EQ((std::vector<int>{color.red, color.green, color.blue}), (std::vector<int>{0, 65535, 65535}));
  }
  LayerHandle first = globals().previewLayer;
  Refresh(1);
  EXPECT_EQ(globals().previewLayer, first);
  EXPECT_EQ(CountLayersTitled(kPreview), 1);
  EXPECT_EQ(PreviewCopies().size(), 2u);
}

TEST_F(RefreshPreviewTest, WhichPieceAPlainRefreshKeeps) {
  struct Case {
    const char* what;
    int16_t documentMode;
    bool withPreviewLayer;
    ArtHandle selection;
    int32_t kept;
  } cases[] = {
      {"tool, layer, no group", 0, true, loose, 1},
      {"tool, no layer", 0, false, piece, 0},
      {"document mode, group", 1, false, piece, 2},
      {"document mode, no group", 1, true, loose, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Select({piece, loose}, false);
    Select({c.selection});
    if (c.withPreviewLayer && vmhost::FindLayer(kPreview) == nullptr) vmhost::AddLayer(kPreview);
    if (!c.withPreviewLayer && vmhost::FindLayer(kPreview) != nullptr) {
      HeldSuites suites;
      sAILayer->DeleteLayer(vmhost::FindLayer(kPreview));
    }
    globals().varTitlesValid = c.documentMode;
    Refresh(0);
    EXPECT_EQ(globals().pieceArtCount, c.kept);
    EXPECT_EQ(globals().previewLayer, vmhost::FindLayer(kPreview));
    EXPECT_EQ(globals().pieceArts == nullptr, c.kept == 0);
  }
}

TEST_F(RefreshPreviewTest, TheArrowLengthIsGivenADefaultOnceAndAUsersLengthIsKept) {
  vmhost::SetZoom(4.0);
  Refresh(0);
  EXPECT_EQ(globals().lastZoom, 4.0);
  EXPECT_EQ(globals().grading_length, 25.0);
  vmhost::SetZoom(2.0);
  Refresh(0);
  EXPECT_EQ(globals().grading_length, 25.0);
  globals().grading_length = 7.5;
  Refresh(0);
  EXPECT_EQ(globals().grading_length, 7.5);
}

TEST_F(RefreshPreviewTest, ClearingRemovesTheLayerAndForgetsThePieceWithoutAnUndoStep) {
  Select({piece});
  ASSERT_EQ(vmhost::SelectTool(RevisionTool()), kNoErr);
  ASSERT_NE(vmhost::FindLayer(kPreview), nullptr);
  ASSERT_NE(globals().grading_serial, 0u);
  const int32_t depth = vmhost::UndoDepth();

  ASSERT_EQ(vmhost::SelectTool(nullptr), kNoErr);
  EXPECT_EQ(vmhost::FindLayer(kPreview), nullptr);
  EXPECT_EQ(globals().previewLayer, nullptr);
  EXPECT_EQ(globals().pieceArts, nullptr);
  EXPECT_EQ(globals().previewArts, nullptr);
  EXPECT_EQ(globals().grading_serial, 0u);
  EXPECT_EQ(vmhost::UndoDepth(), depth);
}

TEST_F(RefreshPreviewTest, WithoutADocumentTheRefreshOnlyGathersAndTheClearTouchesNoLayer) {
  vmhost::CloseDocument(doc);
  globals().currentView = nullptr;
  Refresh(1);
  EXPECT_EQ(globals().previewLayer, nullptr);
  EXPECT_EQ(globals().pieceArts, nullptr);
  EXPECT_EQ(globals().grading_length, 0.0);
  HeldSuites suites;
  ClearGradingPreview();
  EXPECT_EQ(globals().pieceArts, nullptr);
}

}  // namespace
}  // namespace vmtest
