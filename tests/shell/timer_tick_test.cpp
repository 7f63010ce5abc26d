// The polling timer: what a tick notices in the selection, the zoom and the
// current document, and what it leaves alone.
#include "host/host_driver.h"
#include "shell/poll_timer.h"
#include "store/art_tags.h"
#include "timer_scene.h"

namespace vmtest {
namespace {

using TimerTickTest = TimerScene;

TEST_F(TimerTickTest, MorePathsWithTheSameFirstPathAndSegmentTotalStillRefresh) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle e = Line(piece, 1, 90);
  ArtHandle d = Line(piece, 1, 80);
  ArtHandle c = Line(piece, 2, 70);
  ArtHandle a = Rect(piece, 0, 0, 100, 50);  // on top: the first selected path
  StoreGroup({a, c, d, e});
  Select({a, c});
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(Piece(), (std::vector<ArtHandle>{a, c}));
  EXPECT_EQ(globals().varTitlesValid, 1);

  Select({c}, false);
  Select({d, e});
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(globals().selectionSignature.firstPath, a);
  EXPECT_EQ(globals().selectionSignature.pathCount, 3);
  EXPECT_EQ(globals().selectionSignature.segmentCount, 6);
  EXPECT_EQ(Piece(), (std::vector<ArtHandle>{a, d, e}));
}

TEST_F(TimerTickTest, PathsSelectedOnPreviewLayersChangeNothing) {
  for (const char* title : {kPreview, "<<Fendrilax Preview>>", "<<Moravine Preview>>"}) {
    Select({Rect(LayerGroup(vmhost::AddLayer(title)), 0, 0, 10, 10)});
  }
  MarkNoRefresh();
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_FALSE(Refreshed());
  EXPECT_EQ(globals().selectionSignature.pathCount, 0);
  EXPECT_EQ(globals().pieceArts, nullptr);
}

TEST_F(TimerTickTest, ATickInsideARunningTickDoesNothing) {
  Select({Rect(LayerGroup(), 0, 0, 10, 10)});
  globals().timerBusy = 1;
  MarkNoRefresh();
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_FALSE(Refreshed());
  EXPECT_EQ(globals().selectionSignature.pathCount, 0);
  EXPECT_EQ(globals().timerBusy, 1);  // still the outer tick's

  globals().timerBusy = 0;
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(globals().selectionSignature.pathCount, 1);
  EXPECT_EQ(globals().timerBusy, 0);
}

TEST_F(TimerTickTest, ATickOfAnotherTimerIsNotOurs) {
  Select({Rect(LayerGroup(), 0, 0, 10, 10)});
  TimerMessage message{};
  message.d.self = module;
  message.d.basic = &gBasicSuite;
  message.timer = nullptr;
  {
    HeldSuites suites;
    EXPECT_EQ(OnTimerTick(&message), kNoErr);
  }
  EXPECT_EQ(globals().selectionSignature.pathCount, 0);
  EXPECT_EQ(globals().basicAtCallback, &gBasicSuite);
}

TEST_F(TimerTickTest, ClosingTheLastDocumentWithNoToolRefreshesOnceToNothing) {
  ArtHandle piece = GradedPiece();
  Select({piece});
  ASSERT_EQ(TickOnce(), kNoErr);
  ASSERT_EQ(globals().pieceArtCount, 2);

  vmhost::CloseDocument(doc);
  MarkNoRefresh();
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(globals().currentView, nullptr);
  EXPECT_EQ(globals().selectionSignature.firstPath, nullptr);
  EXPECT_EQ(globals().selectionSignature.pathCount, 0);
  EXPECT_EQ(globals().selectionSignature.segmentCount, 0);
  EXPECT_EQ(globals().pieceArts, nullptr);
  EXPECT_EQ(globals().grading_serial, 0u);
  EXPECT_EQ(globals().lastZoom, 1.0);  // gathered, with no view to take a zoom from

  MarkNoRefresh();
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_FALSE(Refreshed());
}

// Whatever tool was current, no piece, preview layer or group of the closed
// document outlives it.
TEST_F(TimerTickTest, NoToolFamilyKeepsThePieceOfAClosedDocument) {
  vmhost::CloseDocument(doc);
  enum Family { kHostTool, kRevisionTool, kSimpleGradingTool };
  for (Family family : {kHostTool, kRevisionTool, kSimpleGradingTool}) {
    SCOPED_TRACE(family);
    doc = vmhost::NewDocument("Closing");
    ArtHandle piece = GradedPiece();
    Select({piece});
    ASSERT_EQ(vmhost::SelectTool(RevisionTool()), kNoErr);
    ASSERT_EQ(TickOnce(), kNoErr);
    ASSERT_EQ(globals().pieceArtCount, 2);
    ASSERT_NE(globals().previewLayer, nullptr);

    ToolHandle tool = RevisionTool();
    if (family == kHostTool) {
      ASSERT_EQ(vmhost::SelectTool(nullptr), kNoErr);
    }
    if (family == kSimpleGradingTool) std::swap(globals().toolHandles[1], globals().toolHandles[7]);
    vmhost::CloseDocument(doc);
    ASSERT_EQ(TickOnce(), kNoErr);
    EXPECT_EQ(globals().pieceArts, nullptr);
    EXPECT_EQ(globals().pieceArtCount, 0);
    EXPECT_EQ(globals().previewLayer, nullptr);
    EXPECT_EQ(globals().grading_serial, 0u);
    if (family == kSimpleGradingTool) std::swap(globals().toolHandles[1], globals().toolHandles[7]);
    ASSERT_EQ(globals().toolHandles[1], tool);
  }
  ASSERT_EQ(vmhost::SelectTool(nullptr), kNoErr);
}

TEST_F(TimerTickTest, ADocumentBecomingCurrentBringsItsPresetConfiguration) {
  DocumentHandle second = vmhost::NewDocument("Pattern-2");
  ArtHandle layerGroup = LayerGroup();
  vmhost::SwitchDocument(doc);
  ASSERT_EQ(TickOnce(), kNoErr);
  {
    HeldSuites suites;
    WriteStringTag(layerGroup, "vmk_grading_prconf_path", "Shirts");
    WriteStringTag(layerGroup, "vmk_grading_prconf_01", "\"XS\",0.9,0.95,1,0,1,0\r\n");
  }
  ASSERT_STRNE(globals().presets[0].name, "XS");

  vmhost::SwitchDocument(second);
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_STREQ(globals().presetFileName, "Shirts");
  EXPECT_STREQ(globals().presets[0].name, "XS");
  EXPECT_EQ(globals().presets[1].empty, 1);
  EXPECT_EQ(globals().currentPresetSlot, 0);
  EXPECT_DOUBLE_EQ(globals().presetScale[globals().currentScaleIndex].h, 0.9);
}

}  // namespace
}  // namespace vmtest
