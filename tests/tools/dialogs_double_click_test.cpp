// A double-click on a handle with a revision tool opens its dialog; what the
// user confirms there is stored with the piece and can be undone, and what he
// cancels leaves no trace.
#include <cstdio>

#include "host/host_driver.h"
#include "resources/basic_settings_resource_ids.h"
#include "resources/handle_dialog_resource_ids.h"
#include "support/module_suites.h"
#include "store/grading_group_tags.h"
#include "support/module_fixture.h"
#include "support/tool_gestures.h"
#include "win_driver.h"

namespace vmtest {
namespace {

class DoubleClickDialogTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    {
      ModuleSuites suites;
      piece = vmhost::AddGroup(CurrentLayerGroup());
      ArtHandle line = vmhost::AddPolyline(piece, {{0, 0}, {100, 0}, {200, 0}, {300, 0}}, false);
      // The origin mark stays clear of the line.
      globals().grading_origin = {-500, -500};
      globals().grading_hvlock = 1;
      SaveGradingGroup(&line, 1, 1);
    }
    vmhost::SetSelected(piece, true);
    ASSERT_EQ(TickOnce(), kNoErr);
    ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[1]), kNoErr);  // distance revision
    vmhost::TrackCursor({-50, -50});
    DragTool({0, 0}, {100, 0});
    ASSERT_EQ(globals().handles[0].kind, kHandleDistance);
    vmwin::ClearScript();
  }
  void DoubleClickHandleLine(std::vector<vmwin::UserAction> steps) {
    vmwin::ScriptDialog(kDistanceDialogResource, std::move(steps));
    vmhost::TrackCursor({50, 0});
    vmhost::MouseDown({50, 0}, kModDoubleClick);
    vmhost::MouseUp({50, 0}, kModDoubleClick);
  }
  std::string Amount() { return globals().handles[0].line.amountExpr[globals().currentScaleIndex]; }

  ArtHandle piece = nullptr;
};

TEST_F(DoubleClickDialogTest, ConfirmedAmountIsStoredAndUndoable) {
  const int32_t depth = vmhost::UndoDepth();
  DoubleClickHandleLine({vmwin::SetText(kAmountPercentField, "120"), vmwin::Click(IDOK)});
  ASSERT_EQ(vmwin::ShownDialogs().back().result, IDOK);
  EXPECT_EQ(Amount(), "120");
  char key[64];
  std::snprintf(key, sizeof key, "vmk_grading_fxh_ratio_1%02d", globals().currentScaleIndex + 1);
  EXPECT_EQ(vmhost::Tag(piece, key), "120");
  EXPECT_EQ(vmhost::UndoDepth(), depth + 1);
  EXPECT_EQ(vmhost::UndoText(), "補正ハンドル編集の取り消し");
  EXPECT_EQ(vmhost::RedoText(), "");
  EXPECT_EQ(vmhost::FindLayer("<<Vestamark Sample>>"), nullptr);
  EXPECT_NE(vmhost::FindLayer("<<Vestamark Preview>>"), nullptr);

  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(vmhost::Tag(piece, key), "") << "the default amount leaves no tag";
  EXPECT_EQ(vmhost::RedoText(), "補正ハンドル編集のやり直し");
}

TEST_F(DoubleClickDialogTest, CancelledEditLeavesNoUndoStepAndTheOldAmount) {
  const std::string before = Amount();
  const int32_t depth = vmhost::UndoDepth();
  const std::vector<ArtHandle> copies(globals().previewArts,
                                      globals().previewArts + globals().previewArtCount);
  DoubleClickHandleLine(
      {vmwin::SetText(kAmountPercentField, "120"), vmwin::Focus(kAmountNameField), vmwin::Click(IDCANCEL)});
  ASSERT_EQ(vmwin::ShownDialogs().back().templateId, kDistanceDialogResource);
  EXPECT_EQ(Amount(), before);
  EXPECT_EQ(vmhost::UndoDepth(), depth);
  // The ordinary preview's copies are listed again, not the live preview's.
  EXPECT_EQ(std::vector<ArtHandle>(globals().previewArts, globals().previewArts + globals().previewArtCount),
            copies);
  EXPECT_EQ(vmhost::FindLayer("<<Vestamark Sample>>"), nullptr);
}

TEST_F(DoubleClickDialogTest, OnTheOriginItOpensTheBasicSettingsAndKeepsTheGroupsScale) {
  const ScalePair group = globals().groupPresetScale[globals().currentScaleIndex];
  vmwin::ScriptDialog(kBasicSettingsDialogResource,
                      {vmwin::SetText(kBasicScaleHEdit, "110"), vmwin::Click(IDOK)});
  vmhost::TrackCursor({-500, -500});
  vmhost::MouseDown({-500, -500}, kModDoubleClick);
  vmhost::MouseUp({-500, -500}, kModDoubleClick);
  ASSERT_EQ(vmwin::ShownDialogs().size(), 1u);
  EXPECT_EQ(vmwin::ShownDialogs().back().templateId, kBasicSettingsDialogResource);
  EXPECT_DOUBLE_EQ(globals().presetScale[globals().currentScaleIndex].h, 1.1);
  // Only the Information panel's row and the tool's options copy the pair.
  EXPECT_DOUBLE_EQ(globals().groupPresetScale[globals().currentScaleIndex].h, group.h);
  EXPECT_EQ(vmhost::UndoText(), "基本設定の取り消し");
}

// A measurement handle's fields hold variable names: its own dialog edits them.
TEST_F(DoubleClickDialogTest, OnAMeasurementHandleItOpensTheMeasurementDialog) {
  ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[5]), kNoErr);  // measurement
  vmhost::TrackCursor({200, 0});
  vmhost::MouseDown({200, 0});
  vmhost::MouseDrag({300, 0});
  vmhost::MouseUp({300, 0});
  ASSERT_EQ(globals().handles[1].kind, kHandleMeasurement);
  vmwin::ScriptDialog(kMeasurementDialogResource,
                      {vmwin::SetText(kMeasureDistanceField, "waist"), vmwin::Click(IDOK)});
  vmhost::TrackCursor({250, 0});
  vmhost::MouseDown({250, 0}, kModDoubleClick);
  vmhost::MouseUp({250, 0}, kModDoubleClick);
  ASSERT_FALSE(vmwin::ShownDialogs().empty());
  EXPECT_EQ(vmwin::ShownDialogs().back().templateId, kMeasurementDialogResource);
  EXPECT_STREQ(globals().handles[1].line.amountExpr[0], "waist");
  EXPECT_STREQ(globals().variables.varNames[0], "waist");
  EXPECT_EQ(vmhost::UndoText(), "補正ハンドル編集の取り消し");
}

// A selected handle's mark wins over an unselected one at the same spot.
TEST_F(DoubleClickDialogTest, OnASelectedPointHandleOverAnotherHandlesEndItOpensThePointDialog) {
  RevisionHandle& point = globals().handles[1];
  point = RevisionHandle{1, 0, "", kHandlePoint, 0, 0, 0, {}};
  point.point.art = globals().pieceArts[0];
  point.point.anchorIndex = 1;
  globals().handles[0].listSelected = 0;
  vmwin::ScriptDialog(kPointDialogResource, {vmwin::SetText(kPointOffsetXField, "2"), vmwin::Click(IDOK)});
  vmhost::MouseDown({100, 0}, kModDoubleClick);
  vmhost::MouseUp({100, 0}, kModDoubleClick);
  ASSERT_FALSE(vmwin::ShownDialogs().empty());
  EXPECT_EQ(vmwin::ShownDialogs().back().templateId, kPointDialogResource);
  EXPECT_EQ(vmhost::UndoText(), "補正ポイント編集の取り消し");
}

// A faulty amount alerts once when it is typed, though the edit evaluates it for the length
// field and for the live preview; OK and the rebuild after it take that very amount and do not
// show the same alert again, however the field is left.
TEST_F(DoubleClickDialogTest, AFaultyAmountAlertsOnceForTheEditAndNotAgainForOK) {
  const std::vector<vmwin::UserAction> confirmations[] = {
      {vmwin::Focus(kAmountNameField), vmwin::Click(IDOK)},  // the field left first
      {vmwin::Click(IDOK)},                                  // OK takes the focus from it
      {vmwin::PressEnter()},                                 // the focus stays in it
  };
  for (const auto& confirm : confirmations) {
    DoubleClickHandleLine({vmwin::SetText(kAmountPercentField, "100.0"), vmwin::Click(IDOK)});
    vmhost::ClearRecordings();
    std::vector<vmwin::UserAction> steps = {vmwin::SetText(kAmountPercentField, "nosuch(1)")};
    steps.insert(steps.end(), confirm.begin(), confirm.end());
    DoubleClickHandleLine(steps);
    ASSERT_EQ(vmwin::ShownDialogs().back().result, IDOK);
    EXPECT_EQ(Amount(), "nosuch(1)");
    EXPECT_EQ(AlertTexts().size(), 1u);
  }
  // Each fault typed in the dialog is an action of its own, and says so.
  DoubleClickHandleLine({vmwin::SetText(kAmountPercentField, "100.0"), vmwin::Click(IDOK)});
  vmhost::ClearRecordings();
  DoubleClickHandleLine({vmwin::SetText(kAmountPercentField, "nosuch(1)"), vmwin::Focus(kAmountNameField),
                         vmwin::SetText(kAmountPercentField, "nosuch(3)"), vmwin::Focus(kAmountNameField),
                         vmwin::Click(IDOK)});
  ASSERT_EQ(AlertTexts().size(), 2u);
  EXPECT_NE(AlertTexts()[1].find("nosuch(3)"), std::string::npos);

  // A later action that meets the same fault says so again.
  vmhost::ClearRecordings();
  DoubleClickHandleLine({vmwin::Click(IDOK)});
  EXPECT_EQ(AlertTexts().size(), 1u);
}

}  // namespace
}  // namespace vmtest
