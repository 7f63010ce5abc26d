// The polling timer: what a tick notices in the selection, the zoom and the
// current document, and what it leaves alone.
#include <cstring>

#include "store/art_tags.h"
#include "timer_scene.h"

namespace vmtest {
namespace {

class TimerTickTest : public TimerScene {
 protected:
  // A tick that reloads the grading group replaces a title never stored.
  bool TickReloads() {
    std::strcpy(globals().grading_title, "not stored");
    EXPECT_EQ(TickOnce(), kNoErr);
    return std::strcmp(globals().grading_title, "not stored") != 0;
  }
  // A stored piece of one path, selected, with a revision tool that has seen it.
  ArtHandle PieceUnderRevisionTool(int toolSlot) {
    ArtHandle piece = vmhost::AddGroup(LayerGroup());
    StoreGroup({Path(piece, 0, 3)});
    Select({piece});
    EXPECT_EQ(vmhost::SelectTool(globals().toolHandles[toolSlot]), kNoErr);
    EXPECT_EQ(TickOnce(), kNoErr);
    EXPECT_NE(globals().grading_serial, 0u);
    return piece;
  }
};

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
  ArtHandle g = Path(piece, 5, 4);  // met before `a`
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
  Select({e}, false);
  Select({c});  // still `a` first and three paths, but 7 segments
  ASSERT_TRUE(TickRefreshes());
  EXPECT_EQ(Piece(), (std::vector<ArtHandle>{a, c, d}));
  EXPECT_EQ(globals().selectionSignature.segmentCount, 7);
  Select({a}, false);
  Select({g});  // three paths and 7 segments still, but another first
  ASSERT_TRUE(TickRefreshes());
  EXPECT_EQ(Piece(), (std::vector<ArtHandle>{g, c, d}));
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
    EXPECT_EQ(globals().selectionSignature.firstPath, nullptr);
    EXPECT_EQ(globals().selectionSignature.pathCount, 0);
    EXPECT_EQ(globals().selectionSignature.segmentCount, 0);
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

TEST_F(TimerTickTest, PuttingARevisionToolAwayRemovesThePreviewAndForgetsThePiece) {
  ArtHandle piece = PieceUnderRevisionTool(2);
  ASSERT_NE(vmhost::FindLayer("<<Vestamark Preview>>"), nullptr);
  const int32_t undoDepth = vmhost::UndoDepth();

  ASSERT_EQ(vmhost::SelectTool(nullptr), kNoErr);
  EXPECT_EQ(vmhost::FindLayer("<<Vestamark Preview>>"), nullptr);
  EXPECT_EQ(globals().previewLayer, nullptr);
  EXPECT_EQ(globals().pieceArts, nullptr);
  EXPECT_EQ(globals().pieceArtCount, 0);
  EXPECT_EQ(globals().grading_serial, 0u);
  EXPECT_EQ(vmhost::UndoDepth(), undoDepth);
  EXPECT_TRUE(vmhost::IsSelected(piece));  // the user's selection stays
}

// The grading-direction arrow is given a length that suits the zoom once; a
// later zoom or selection leaves it, and a piece brings its own.
TEST_F(TimerTickTest, TheArrowLengthIsDefaultedOnceAndAStoredOneIsKept) {
  ArtHandle first = Path(LayerGroup(), 0, 2), second = Path(LayerGroup(), 5, 2);
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle member = Path(piece, 20, 3);
  globals().grading_length = 33;
  StoreGroup({member});

  globals().grading_length = 0;
  vmhost::SetZoom(2.0);
  Select({first});
  ASSERT_TRUE(TickRefreshes());
  EXPECT_EQ(globals().grading_length, 50);
  vmhost::SetZoom(4.0);
  Select({second});
  ASSERT_TRUE(TickRefreshes());
  EXPECT_EQ(globals().grading_length, 50);
  Select({first, second}, false);
  Select({piece});
  ASSERT_TRUE(TickRefreshes());
  EXPECT_EQ(globals().grading_length, 33);
}

// Each document keeps the preset configuration it was last graded with; the
// first tick in it puts that configuration in place, and the panels' menus
// list its presets.
TEST_F(TimerTickTest, ADocumentThatBecomesCurrentBringsItsPresetConfiguration) {
  globals().currentPresetSlot = 3;
  DocumentHandle kids = vmhost::NewDocument("Kids");
  {
    ModuleSuites suites;
    ArtHandle layer = LayerGroup();
    WriteStringTag(layer, "vmk_grading_prconf_path", "kids");
    WriteStringTag(layer, "vmk_grading_prconf_01", "\"110\",1.1,1.05,1,4,1,0");
    WriteStringTag(layer, "vmk_grading_prconf_02", "\"120\",1.2,1.1,0,5,1,0");
  }
  ASSERT_EQ(vmhost::CurrentDocument(), kids);
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_STREQ(globals().presetFileName, "kids");
  EXPECT_STREQ(globals().presets[0].name, "110");
  EXPECT_STREQ(globals().presets[1].name, "120");
  EXPECT_EQ(globals().presets[1].scaleIndex, 5);
  EXPECT_EQ(globals().presets[1].output, 0);
  EXPECT_EQ(globals().presets[2].empty, 1);
  EXPECT_EQ(globals().presetScale[4].h, 1.1);
  EXPECT_EQ(globals().presetScale[4].v, 1.05);
  EXPECT_EQ(globals().currentPresetSlot, 1);  // slot 3 is gone: the nearest usable one below
  EXPECT_EQ(globals().currentScaleIndex, 5);
  const struct {
    const char* panel;
    uint32_t firstPresetItem;
  } menus[] = {{"Vestamark_INF_PANEL", 12}, {"Vestamark_VAR_PANEL", 4}};
  for (const auto& [panel, firstPresetItem] : menus) {
    std::vector<std::u16string> presets;
    std::u16string checked;
    for (const FlyoutItem& item : vmhost::FlyoutItems(vmhost::FindPanel(panel))) {
      if (item.id < firstPresetItem) continue;
      presets.push_back(item.text);
      if (item.checked) checked = item.text;
    }
    EXPECT_EQ(presets, (std::vector<std::u16string>{u"110", u"120"})) << panel;
    EXPECT_EQ(checked, u"120") << panel;
  }
}

// Two paths graded as a piece loose on the layer, grouped by the user while a
// revision tool is out: the new group carries no tags, so the group is still
// the one on the larger path, and the unchanged selection reloads nothing.
TEST_F(TimerTickTest, WithARevisionToolAnUnchangedSelectionReloadsNothing) {
  ArtHandle pattern = LayerGroup();  // the preview layer goes on top of it
  ArtHandle large = Path(pattern, 0, 4), small = Path(pattern, 50, 2);
  StoreGroup({large, small});
  Select({large, small});
  ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[1]), kNoErr);
  ASSERT_EQ(TickOnce(), kNoErr);
  ASSERT_NE(globals().grading_serial, 0u);
  const SelectionSignature before = globals().selectionSignature;
  ArtHandle group = vmhost::AddGroup(pattern);
  {
    ModuleSuites suites;
    for (ArtHandle path : {large, small}) ASSERT_EQ(sAIArt->ReorderArt(path, kPlaceInsideOnTop, group), kNoErr);
  }
  Select({large, small});  // grouping keeps the selection
  for (int tick = 0; tick < 3; ++tick) EXPECT_FALSE(TickReloads()) << tick;
  EXPECT_EQ(globals().selectionSignature.firstPath, before.firstPath);
  EXPECT_TRUE(vmhost::Tags(group).empty());
}

// Undo brings back the group's tags as they were, under the serial they had;
// the selection is the same, and the tick still reloads the group.
TEST_F(TimerTickTest, WithARevisionToolAGroupStoredAnewUnderTheSameSelectionIsReloaded) {
  ArtHandle piece = PieceUnderRevisionTool(1);
  EXPECT_FALSE(TickReloads());
  {
    ModuleSuites suites;
    WriteStringTag(piece, kGradingSerialKey, "777");
    WriteStringTag(piece, kGradingTitleKey, "Restored");
  }
  ASSERT_TRUE(TickReloads());
  EXPECT_EQ(globals().grading_serial, 777u);
  EXPECT_STREQ(globals().grading_title, "Restored");
  EXPECT_FALSE(TickReloads());
}

// A document saved with a preview layer in it: on switching to it with a
// revision tool, that layer and what it held give way to a new one on top.
TEST_F(TimerTickTest, ADocumentThatBecomesCurrentWithARevisionToolGetsAFreshPreviewLayer) {
  ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[1]), kNoErr);
  ASSERT_EQ(TickOnce(), kNoErr);
  vmhost::NewDocument("Saved with a preview");
  LayerHandle stale = vmhost::AddLayer("<<Vestamark Preview>>", false);
  Path(LayerGroup(stale), 0, 2);
  vmhost::AddLayer("Pattern");
  ASSERT_EQ(TickOnce(), kNoErr);
  LayerHandle top = nullptr;
  {
    ModuleSuites suites;
    sAILayer->GetNthLayer(0, &top);
  }
  EXPECT_EQ(vmhost::LayerTitle(top), "<<Vestamark Preview>>");
  EXPECT_EQ(globals().previewLayer, top);
  EXPECT_EQ(vmhost::FindLayer("<<Vestamark Preview>>"), top);
  EXPECT_TRUE(vmhost::Children(top->group).empty());
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
