// The Information panel's rows and buttons used on a piece: each click is a
// deferred command played inside a host call; the table, rows, document and
// undo history then show what the user did.
#include <numeric>

#include "panels/inf_list_scene.h"
#include "panels/variable_registration.h"
#include "resources/handle_dialog_resource_ids.h"
#include "resources/update_grading_resource_ids.h"

using namespace vmtest;
using vmwin::PickItem;
using vmwin::PressEscape;

namespace {

class CommandsTest : public InfListScene {
 protected:
  void TearDown() override { vmwin::ClearScript(), InfListScene::TearDown(); }
  void User(const vmwin::UserAction& action) { vmwin::PerformUserAction(InfWindow(), action); }
  void Press(int button) { EnableWindow(Control(InfWindow(), button), TRUE), User(vmwin::Click(button)); }
  bool Enabled(int control) { return IsWindowEnabled(Control(InfWindow(), control)) != FALSE; }
  std::vector<int> Slots(int count, int16_t RevisionHandle::*field) {
    std::vector<int> out;
    for (int s = 0; s < count; ++s) out.push_back(globals().handles[s].*field);
    return out;
  }
  int32_t depth = vmhost::UndoDepth();
};

TEST_F(CommandsTest, PickingRowsSelectsWholeGroupsOrTheOriginWithoutAnUndoStep) {
  TwoPoint(0, kHandleDistance, line, 0, line, 1);
  for (int s = 1; s <= 2; ++s) TwoPoint(s, kHandleDistance, line, 1, line, 2, "0", 7);
  Rebuild();  // rows: basic, 0, 1; the third case is a click off the rows
  const std::vector<std::vector<int>> cases = {
      {2, 0, 1, 1, 0}, {0, 0, 0, 0, 1}, {-1, 0, 0, 0, 1}, {1, 1, 0, 0, 0}};
  for (const std::vector<int>& c : cases) {
    SendMessage(List(), LB_SETCURSEL, static_cast<WPARAM>(c[0]), 0);
    SendMessage(InfWindow(), WM_COMMAND, MAKEWPARAM(1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(List()));
    std::vector<int> seen{c[0]};
    for (int selected : Slots(3, &RevisionHandle::listSelected)) seen.push_back(selected);
    seen.push_back(globals().grading_selected);
    EXPECT_EQ(seen, c) << "row, selected slots 0-2, origin selected";
    EXPECT_EQ(Enabled(3) && Enabled(4), c[0] > 0) << c[0];
    EXPECT_EQ(FlyoutEnabled(1), c[0] == 2) << "a pair of distances can be grouped";
  }
  EXPECT_EQ(vmhost::UndoDepth(), depth);
}

TEST_F(CommandsTest, DeletingAGroupMovesTheLaterHandlesDownAndDropsMeasuredVariables) {
  for (int s = 0; s < 5; ++s) TwoPoint(s, kHandleDistance, line, 0, line, 1, "0", s == 4 ? 0 : 9);
  RevisionHandle& measure = TwoPoint(5, kHandleMeasurement, circle, 0, circle, 1);
  for (int s = 6; s < kMaxHandles; ++s) TwoPoint(s, kHandleLength, line, 2, line, 3);
  const char* names[] = {"DA", "AA", "LA", "RA", "W"};
  for (int i = 0; i < 4; ++i) std::strcpy(measure.line.amountExpr[i], names[i]);
  InModuleCall([&] {
    for (const char* name : names) RegisterVariable(module, "", name, "1", 0);
  });
  Rebuild();  // rows: basic, 0 (a group of four), 4, 5, 6...
  for (int i = 0; i < 2; ++i) User(PickItem(1, 1)), Press(3);
  std::vector<int> kinds{kHandleMeasurement}, rows(196);
  kinds.resize(195, kHandleLength), kinds.resize(kMaxHandles, kHandleFree);
  std::iota(rows.begin(), rows.end(), -1);
  EXPECT_EQ(Slots(kMaxHandles, &RevisionHandle::kind), kinds);
  EXPECT_EQ(RowData(), rows);
  EXPECT_EQ(vmhost::UndoText(), "補正ハンドル削除の取り消し");
  EXPECT_TRUE(vmhost::Tag(piece, "vmk_grading_fxh_conf_196").empty()) << "the stored group lost five slots";
  EXPECT_FALSE(Enabled(3));
  EXPECT_FALSE(Enabled(4));

  for (int row : {1, 0}) User(PickItem(1, row)), Press(3);  // the basic row stays
  EXPECT_EQ(SendMessage(Control(VarWindow(), 1), LB_GETCOUNT, 0, 0), 1) << "W alone is left";
  EXPECT_EQ(RowData().size(), 195u);
  EXPECT_EQ(vmhost::UndoDepth(), depth + 3);
}

TEST_F(CommandsTest, EditOpensTheDialogOfTheRowsKindLockTogglesAndUpdateWritesWhatIsConfirmed) {
  TwoPoint(0, kHandleDistance, line, 0, line, 1, "100.0");
  TwoPoint(1, kHandleLength, line, 1, line, 2, "100.0");
  Point(2, square, 0);
  TwoPoint(3, kHandleMeasurement, circle, 0, circle, 1);
  Rebuild();
  for (int dialog :
       {kDistanceDialogResource, kLengthDialogResource, kPointDialogResource, kMeasurementDialogResource}) {
    vmwin::ScriptDialog(dialog, {PressEscape()});
    User(vmwin::DoubleClickItem(1, static_cast<int>(vmwin::ShownDialogs().size()) + 1));
    EXPECT_EQ(vmwin::ScriptStepsLeft(), 0u) << dialog;
  }
  // A dialog cancelled after its live preview drew the edit.
  vmwin::ScriptDialog(kDistanceDialogResource,
                      {vmwin::SetText(kAmountPercentField, "150"), vmwin::Focus(kAmountNameField), PressEscape()});
  User(vmwin::DoubleClickItem(1, 1));
  for (const intptr_t stale : {intptr_t{50}, intptr_t{4000}, intptr_t{-7}}) {  // rows out of step
    SendMessage(List(), LB_SETITEMDATA, 4, stale);
    for (int button : {4, 3}) User(PickItem(1, 4)), Press(button);
  }
  EXPECT_EQ(Slots(5, &RevisionHandle::kind), (std::vector<int>{2, 3, 4, 5, 0}));
  EXPECT_EQ(vmhost::UndoDepth(), depth);
  User(PickItem(1, 1));
  vmwin::ScriptDialog(kDistanceDialogResource,
                      {vmwin::SetText(kAmountPercentField, "120"), vmwin::Click(IDOK)});
  Press(4);
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_fxh_ratio_103"), "120");
  EXPECT_EQ(vmhost::UndoText(), "補正ハンドル編集の取り消し");
  vmwin::ScriptDialog(16152, {vmwin::SetText(9, "110"), vmwin::PressEnter()});  // basic settings
  User(vmwin::DoubleClickItem(1, 0));
  EXPECT_DOUBLE_EQ(globals().groupPresetScale[2].h, 1.1);
  EXPECT_EQ(vmhost::UndoText(), "基本設定の取り消し");

  char icon[4] = "";
  for (auto [index, locked] : {std::pair{"4", 1}, std::pair{"3", 0}}) {  // the icon index and the lock
    Press(5), GetWindowText(Control(InfWindow(), 5), icon, sizeof icon);
    EXPECT_STREQ(icon, index);
    EXPECT_EQ(globals().handlesLocked, locked);
  }
  // A measurement renamed from its row: the Variable panel lists its names at once.
  Rebuild();
  vmwin::ScriptDialog(kMeasurementDialogResource, {vmwin::SetText(kMeasureDistanceField, "waist"), vmwin::Click(IDOK)});
  User(vmwin::DoubleClickItem(1, 4));
  EXPECT_EQ(SendMessage(Control(VarWindow(), 1), LB_GETCOUNT, 0, 0), 2);
  ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[1]), kNoErr);  // update needs a revision tool
  vmwin::ScriptDialog(kUpdateGradingDialogResource, {vmwin::PressEnter()}), Press(6);
  EXPECT_EQ(vmhost::UndoText(), "更新の取り消し");
}

}  // namespace
