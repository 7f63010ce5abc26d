// The flyout's preset items and commands: choosing, copying, initialising and
// the preset configuration.
#include "panels/inf_flyout_commands.h"
#include "panels/inf_flyout_scene.h"

namespace vmtest {
namespace {

class InfFlyoutPresets : public InfFlyoutScene {
 protected:
  void SetUp() override {
    InfFlyoutScene::SetUp();
    PutDistance(0, {0, 0}, {0, 10}, 1);
    RevisionHandle& point = globals().handles[1];
    point.kind = kHandlePoint;
    for (int i = 0; i < kMaxPresets; ++i) {
      std::snprintf(point.point.xExpr[i], kExprSize, "x%d", i);
      std::snprintf(point.point.yExpr[i], kExprSize, "y%d", i);
    }
    PutDistance(2, {0, 0}, {0, 10}, 3).kind = kHandleMeasurement;
    PutDistance(3, {0, 0}, {0, 10}, 4).kind = kHandleAngle;
    PutDistance(4, {0, 0}, {0, 10}, 5).kind = kHandleArc;
    PutDistance(5, {0, 0}, {0, 10}, 6).kind = kHandlePlain;
    globals().presetScale[2] = {1.5, 1.5};
  }
  const RevisionHandle& Slot(int s) { return globals().handles[s]; }
};

TEST_F(InfFlyoutPresets, TheItemsListTheEnabledPresetsAndChoosingOneMakesItCurrentSilently) {
  EXPECT_EQ(PresetItems(), (std::vector<std::string>{"S*", "M", "L", "LL"}));
  const int32_t depth = vmhost::UndoDepth();
  Choose(14);
  EXPECT_EQ(globals().currentPresetSlot, 2);
  EXPECT_EQ(globals().currentScaleIndex, 2);
  EXPECT_EQ(PresetItems(), (std::vector<std::string>{"S", "M", "L*", "LL"}));
  EXPECT_EQ(vmhost::UndoDepth(), depth) << "no undo step for a choice";

  globals().presets[1].enabled = 0;
  globals().presets[3].empty = 1;
  InModuleCall([] { UpdateInfFlyoutState(); });
  EXPECT_EQ(PresetItems(), (std::vector<std::string>{"S", "L*"}));
}

TEST_F(InfFlyoutPresets, CopyGivesTheChosenPresetTheCurrentAmountsAndMakesItCurrent) {
  vmwin::ScriptDialog(16063, {vmwin::PressEscape()});
  Choose(9);
  EXPECT_STREQ(Slot(0).line.amountExpr[2], "1.2");
  EXPECT_EQ(vmhost::UndoText(), "");

  vmwin::ScriptDialog(16063, {vmwin::PickItemText(4, "L"), vmwin::PressEnter()});
  Choose(9);
  EXPECT_STREQ(Slot(0).line.amountExpr[2], "1.0") << "measurements are not copied";
  EXPECT_STREQ(Slot(1).point.xExpr[2], "x0") << "measurements are not copied";
  EXPECT_STREQ(Slot(2).line.amountExpr[2], "3.2") << "measurements are not copied";
  EXPECT_STREQ(Slot(1).point.yExpr[2], "y0");
  EXPECT_STREQ(Slot(3).line.amountExpr[2], "4.2") << "nor angles";
  EXPECT_STREQ(Slot(4).line.amountExpr[2], "5.0");
  EXPECT_STREQ(Slot(5).line.amountExpr[2], "6.0");
  EXPECT_EQ(globals().groupPresetScale[2].h, 1.5);
  EXPECT_EQ(PresetItems(), (std::vector<std::string>{"S", "M", "L*", "LL"}));
  EXPECT_EQ(vmhost::UndoText(), "プリセット編集の取り消し");
}

TEST_F(InfFlyoutPresets, CopyingThePresetOntoItselfChangesNothingAndSavesNothing) {
  Choose(14);
  const std::string serial = vmhost::Tag(piece, "vmk_grading_serial");
  const int32_t depth = vmhost::UndoDepth();
  vmwin::ScriptDialog(16063, {vmwin::PickItemText(4, "L"), vmwin::PressEnter()});
  Choose(9);
  EXPECT_EQ(vmwin::ScriptStepsLeft(), 0u);
  EXPECT_EQ(vmhost::UndoDepth(), depth);
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_serial"), serial) << "the group is not saved again";
  EXPECT_EQ(PresetItems(), (std::vector<std::string>{"S", "M", "L*", "LL"}));
}

TEST_F(InfFlyoutPresets, InitialisingResetsOnlyTheCurrentPresetsAmountsAfterAYes) {
  vmhost::QueueAlertAnswer(0);
  Choose(10);
  EXPECT_STREQ(Slot(0).line.amountExpr[0], "1.0");
  EXPECT_EQ(vmhost::Alerts().at(0).text, "プリセット \"S\" を初期化してもいいですか？");
  vmhost::QueueAlertAnswer(1);
  globals().presetScale[0] = {1.7, 1.7};
  Choose(10);
  EXPECT_EQ(globals().groupPresetScale[0].v, 1.7);
  EXPECT_STREQ(Slot(0).line.amountExpr[0], "100.0");
  EXPECT_STREQ(Slot(0).line.amountExpr[1], "1.1");
  EXPECT_STREQ(Slot(1).point.xExpr[0], "");
  EXPECT_STREQ(Slot(1).point.xExpr[1], "x1");
  EXPECT_STREQ(Slot(2).line.amountExpr[0], "3.0");
  EXPECT_STREQ(Slot(1).point.yExpr[0], "");
  EXPECT_STREQ(Slot(1).point.yExpr[1], "y1");
  EXPECT_STREQ(Slot(3).line.amountExpr[0], "4.0");
  EXPECT_STREQ(Slot(4).line.amountExpr[0], "100.0");
  EXPECT_STREQ(Slot(5).line.amountExpr[0], "100.0");
  EXPECT_EQ(vmhost::UndoText(), "プリセット編集の取り消し");
}

TEST_F(InfFlyoutPresets, WhenTheConfigurationDisablesTheCurrentPresetTheNearestOneBelowTakesOver) {
  Choose(14);
  // The user clicks the enable box at the right of the current preset's row.
  vmwin::ScriptDialog(16161, {vmwin::Do([](HWND d) {
                                RECT row{};
                                SendMessage(GetDlgItem(d, 3), LB_GETITEMRECT, 2, (LPARAM)&row);
                                vmwin::PerformUserAction(d,
                                                         vmwin::ClickItemAt(3, row.right - 10, row.top + 10));
                              }),
                              vmwin::PressEnter()});
  Choose(7);
  EXPECT_EQ(PresetItems(), (std::vector<std::string>{"S", "M*", "LL"}));
  EXPECT_EQ(globals().currentScaleIndex, 1);
}

}  // namespace
}  // namespace vmtest
