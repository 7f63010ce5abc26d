// The Information panel's rows and buttons at work on a piece: selecting,
// deleting, editing, locking and updating, with what the user then finds in
// the table, the list, the document and the undo history.
#include <numeric>

#include "resources/update_grading_resource_ids.h"
#include "tools/commands_scene.h"

using namespace vmtest;

namespace {

using CommandsTest = CommandScene;
using vmwin::PressEscape;

TEST_F(CommandsTest, PickingRowsSelectsWholeGroupsOrTheOriginWithoutAnUndoStep) {
  TwoPoint(0, kHandleDistance, line, 0, line, 1);
  for (int s = 1; s <= 2; ++s) TwoPoint(s, kHandleDistance, line, 1, line, 2, "0", 7);
  Point(3, square, 0);
  Rebuild();  // rows: basic, 0, 1, 3
  const int32_t depth = vmhost::UndoDepth();
  struct Case {
    int row;  // -1: a click off the rows
    std::vector<int16_t> selected;
    int16_t origin;
    bool buttons;
  };
  const Case cases[] = {
      {2, {0, 1, 1, 0}, 0, true}, {0, {0, 0, 0, 0}, 1, false}, {-1, {0, 0, 0, 0}, 1, false},
      {3, {0, 0, 0, 1}, 0, true}, {0, {0, 0, 0, 0}, 1, false}, {1, {1, 0, 0, 0}, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    if (c.row >= 0) {
      Pick(c.row);
    } else {
      SendMessage(List(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
      SendMessage(InfWindow(), WM_COMMAND, MAKEWPARAM(1, LBN_SELCANCEL), reinterpret_cast<LPARAM>(List()));
    }
    std::vector<int16_t> selected;
    for (int s = 0; s < 4; ++s) selected.push_back(globals().handles[s].listSelected);
    EXPECT_EQ(selected, c.selected);
    EXPECT_EQ(globals().grading_selected, c.origin);
    EXPECT_EQ(Enabled(3), c.buttons);
    EXPECT_EQ(Enabled(4), c.buttons);
    EXPECT_EQ(FlyoutEnabled(1), c.row == 2) << "two grouped distances can be grouped";
  }
  EXPECT_EQ(vmhost::UndoDepth(), depth);
}

TEST_F(CommandsTest, DeletingAGroupOfThreeMovesTheLaterHandlesDownAndIsOneUndoStep) {
  for (int s = 0; s < 5; ++s) TwoPoint(s, kHandleDistance, line, 0, line, 1);
  for (int s = 5; s < 8; ++s) TwoPoint(s, kHandleDistance, line, 1, line, 2, "0", 9);
  for (int s = 8; s < kMaxHandles; ++s) TwoPoint(s, kHandleLength, line, 2, line, 3);
  Rebuild();
  const int32_t depth = vmhost::UndoDepth();
  Pick(6);  // the group at slot 5
  Press(3);
  std::vector<int16_t> kinds(5, kHandleDistance);
  kinds.resize(197, kHandleLength);
  kinds.resize(kMaxHandles, kHandleFree);
  EXPECT_EQ(Kinds(kMaxHandles), kinds);
  std::vector<int> rows(198);
  std::iota(rows.begin(), rows.end(), -1);
  EXPECT_EQ(RowData(), rows);
  EXPECT_EQ(vmhost::UndoDepth(), depth + 1);
  EXPECT_EQ(vmhost::UndoText(), "補正ハンドル削除の取り消し");
  EXPECT_FALSE(vmhost::Tag(piece, "vmk_grading_fxh_conf_197").empty());
  EXPECT_TRUE(vmhost::Tag(piece, "vmk_grading_fxh_conf_198").empty()) << "the stored group lost three slots";
  EXPECT_FALSE(Enabled(3) || Enabled(4));

  // With the basic row current nothing goes.
  Pick(0);
  EnableWindow(Control(InfWindow(), 3), TRUE);
  Press(3);
  EXPECT_EQ(Kinds(kMaxHandles), kinds);
  EXPECT_EQ(vmhost::UndoDepth(), depth + 1);
}

TEST_F(CommandsTest, DeletingAMeasurementHandleDropsTheVariablesItMeasuresInto) {
  const std::vector<std::vector<const char*>> cases = {{"DA", "AA", "LA", "RA"}, {"DB", "AB", "LB", ""}};
  InModuleCall([this] { RegisterVariable(module, "", "W", "5", 0); });
  for (const auto& names : cases) {
    std::memset(globals().handles, 0, sizeof globals().handles);
    Measurement(0, names);
    TwoPoint(1, kHandleDistance, line, 0, line, 1);
    Rebuild();
    Pick(1);
    Press(3);
    for (const char* name : names)
      if (name[0] != '\0') EXPECT_FALSE(HasVariable(name)) << name;
    EXPECT_TRUE(HasVariable("W"));
    EXPECT_EQ(Kinds(2), (std::vector<int16_t>{kHandleDistance, 0}));
  }
}

TEST_F(CommandsTest, ADoubleClickedRowOpensTheDialogOfItsKindAndCancelLeavesNoTrace) {
  TwoPoint(0, kHandleDistance, line, 0, line, 1, "100.0");
  TwoPoint(1, kHandleLength, line, 1, line, 2, "100.0");
  Point(2, square, 0);
  Measurement(3, {"DA", "AA", "LA", ""});
  Rebuild();
  const int32_t depth = vmhost::UndoDepth();
  const std::pair<int, int> cases[] = {{1, kDistanceDialogResource},
                                       {2, kLengthDialogResource},
                                       {3, kPointDialogResource},
                                       {4, kMeasurementDialogResource}};
  for (const auto& [row, dialog] : cases) {
    vmwin::ScriptDialog(dialog, {PressEscape()});
    DoubleClick(row);
    ASSERT_FALSE(vmwin::ShownDialogs().empty());
    EXPECT_EQ(vmwin::ShownDialogs().back().templateId, dialog);
    EXPECT_EQ(vmwin::ScriptStepsLeft(), 0u) << row;
  }
  EXPECT_EQ(vmhost::UndoDepth(), depth);
  EXPECT_EQ(std::string(globals().handles[0].line.amountExpr[2]), "100.0");
}

TEST_F(CommandsTest, AnAmountConfirmedThroughEditIsStoredWithItsUndoStep) {
  TwoPoint(0, kHandleDistance, line, 0, line, 1, "100.0");
  Rebuild();
  const int32_t depth = vmhost::UndoDepth();
  Pick(1);
  vmwin::ScriptDialog(kDistanceDialogResource, {vmwin::SetText(kAmountPercentField, "120"), vmwin::Click(IDOK)});
  Press(4);
  EXPECT_EQ(std::string(globals().handles[0].line.amountExpr[2]), "120");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_fxh_ratio_103"), "120");
  EXPECT_EQ(vmhost::UndoDepth(), depth + 1);
  EXPECT_EQ(vmhost::UndoText(), "補正ハンドル編集の取り消し");
}

TEST_F(CommandsTest, ARowOutOfStepWithTheTableNeitherDeletesNorOpensAnything) {
  TwoPoint(0, kHandleDistance, line, 0, line, 1);
  Rebuild();
  const int32_t depth = vmhost::UndoDepth();
  const size_t shown = vmwin::ShownDialogs().size();
  for (const intptr_t stale : {intptr_t{50}, intptr_t{4000}, intptr_t{-7}}) {
    SendMessage(List(), LB_SETITEMDATA, 1, stale);
    for (int button : {4, 3}) {
      Pick(1);
      EnableWindow(Control(InfWindow(), button), TRUE);
      Press(button);
    }
  }
  EXPECT_EQ(Kinds(2), (std::vector<int16_t>{kHandleDistance, kHandleFree}));
  EXPECT_EQ(vmwin::ShownDialogs().size(), shown);
  EXPECT_EQ(vmhost::UndoDepth(), depth);
}

TEST_F(CommandsTest, LockTogglesTheIconAndTheFlagWithoutAnUndoStep) {
  const int32_t depth = vmhost::UndoDepth();
  for (const auto& [locked, icon] : {std::pair{1, "4"}, std::pair{0, "3"}}) {
    Press(5);
    EXPECT_EQ(globals().handlesLocked, locked);
    EXPECT_EQ(ButtonText(5), icon);
  }
  EXPECT_EQ(vmhost::UndoDepth(), depth);
}

TEST_F(CommandsTest, UpdateWritesWhatTheDialogConfirmsAndOnlyBeepsWithoutAPiece) {
  ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[1]), kNoErr);
  vmwin::AdvanceTime(500);
  vmwin::DispatchPostedMessages();
  ASSERT_TRUE(Enabled(6));
  const int32_t depth = vmhost::UndoDepth();
  vmwin::ScriptDialog(kUpdateGradingDialogResource, {PressEscape()});
  Press(6);
  EXPECT_EQ(vmhost::UndoDepth(), depth);
  vmwin::ScriptDialog(kUpdateGradingDialogResource, {vmwin::PressEnter()});
  Press(6);
  EXPECT_EQ(vmhost::UndoDepth(), depth + 1);
  EXPECT_EQ(vmhost::UndoText(), "更新の取り消し");

  globals().pieceArtCount = 0;
  const int beeps = vmwin::BeepCount();
  const size_t shown = vmwin::ShownDialogs().size();
  Press(6);
  EXPECT_EQ(vmwin::BeepCount(), beeps + 1);
  EXPECT_EQ(vmwin::ShownDialogs().size(), shown);
}

}  // namespace
