// The Variable panel in piece mode: New, Edit, Delete and a row dragged,
// each stored in the piece's tags with its undo texts.
#include "panels/var_scene.h"
#include "panels/variable_commands.h"
#include "panels/variable_registration.h"

using namespace vmtest;

namespace {

using Strings = std::vector<std::string>;
using VarCommandsTest = VarScene;
const std::string kDuplicate = "変数を登録出来ませんでした。\r変数名が重複しています。";

TEST_F(VarCommandsTest, NewProposesTheFirstFreeLetterAndStoresTheVariable) {
  std::string proposed;
  AnswerEditDialog({"Width", "A*2", 1}, &proposed);
  ClickVarButton(5);
  EXPECT_EQ(proposed, "D");
  EXPECT_EQ(TableNames(), (Strings{"A", "B", "C", "Width"}));
  EXPECT_EQ(ListData(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(VarTag(front, "vmk_grading_var_name_%03d", 3), "Width");
  EXPECT_EQ(VarTag(front, "vmk_grading_var_private_%03d", 3), "1");
  EXPECT_EQ(VarTag(front, "vmk_grading_var_value_%03d000", 3), "A*2");
  EXPECT_EQ(vmhost::UndoText(), "変数設定の取り消し");

  // Every capital taken: the small letters follow; a duplicate is refused.
  for (int r = 0; r < 26; ++r) std::snprintf(globals().variables.varNames[r], kVarNameSize, "%c", 'A' + r);
  AnswerEditDialog({"B", "1"}, &proposed);
  ClickVarButton(5);
  EXPECT_EQ(proposed, "a");
  EXPECT_EQ(AlertTexts(), (Strings{kDuplicate}));
  EXPECT_EQ(TableNames().size(), 26u);

  // A measurement drawn with its tool: its three names are listed at once.
  ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[5]), kNoErr);
  DragTool({100, 0}, {100, 100});
  EXPECT_EQ(TableNames().size(), 7u);
  EXPECT_EQ(ListData().size(), 7u);
}

TEST_F(VarCommandsTest, EditRenamesInPlaceAndCancelLeavesNoUndoStep) {
  AnswerEditDialog({"Width", "25"});
  vmwin::PerformUserAction(VarWindow(), vmwin::DoubleClickItem(1, 1));
  EXPECT_EQ(TableNames(), (Strings{"A", "Width", "C"}));
  EXPECT_EQ(VarTag(front, "vmk_grading_var_name_%03d", 1), "Width");
  EXPECT_EQ(VarTag(front, "vmk_grading_var_value_%03d000", 1), "25");
  EXPECT_EQ(vmhost::UndoText(), "変数編集の取り消し");

  // Onto a name further down the table: two rows would share it.
  AnswerEditDialog({"C", "1"});
  ClickVarButton(4);
  EXPECT_EQ(AlertTexts(), (Strings{kDuplicate}));
  EXPECT_EQ(TableNames(), (Strings{"A", "Width", "C"}));

  const int32_t depth = vmhost::UndoDepth();
  vmwin::ScriptDialog(16157, {vmwin::PressEscape()});
  ClickVarButton(4);
  EXPECT_EQ(vmhost::UndoDepth(), depth);
  AnswerEditDialog({"", "1"});  // an emptied name changes nothing
  ClickVarButton(4);
  EXPECT_EQ(TableNames(), (Strings{"A", "Width", "C"}));
  EXPECT_EQ(vmwin::BeepCount(), 1);
}

TEST_F(VarCommandsTest, DeleteMovesTheRowsAboveDownAndLowersTheirData) {
  EXPECT_TRUE(VarButtonEnabled(5));
  EXPECT_FALSE(VarButtonEnabled(3));
  PickRow(0);
  EXPECT_TRUE(VarButtonEnabled(3));
  ClickVarButton(3);
  EXPECT_EQ(TableNames(), (Strings{"B", "C"}));
  EXPECT_EQ(std::string(globals().variables.varValues[0]), "20");
  EXPECT_EQ(globals().variables.varNames[2][0], '\0');
  EXPECT_EQ(ListData(), (std::vector<int>{0, 1}));
  EXPECT_EQ(VarTag(front, "vmk_grading_var_name_%03d", 0), "B");
  EXPECT_EQ(VarTag(front, "vmk_grading_var_name_%03d", 2), "");
  EXPECT_EQ(vmhost::UndoText(), "変数削除の取り消し");
  EXPECT_FALSE(VarButtonEnabled(3)) << "no current row is left";
}

TEST_F(VarCommandsTest, ADraggedRowTakesTheTargetsPlace) {
  InModuleCall([] { ReorderVariables(2, 2, 0, 0); });
  EXPECT_EQ(TableNames(), (Strings{"B", "C", "A"}));
  EXPECT_EQ(std::string(globals().variables.varValues[2]), "10");
  EXPECT_EQ(VarTag(front, "vmk_grading_var_name_%03d", 2), "A");
  EXPECT_EQ(vmhost::UndoText(), "変数入替の取り消し");
  InModuleCall([] { ReorderVariables(1, 1, 0, -1); });  // a row with no variable behind it
  EXPECT_EQ(TableNames(), (Strings{"B", "C", "A"}));
}

TEST_F(VarCommandsTest, WithNothingSelectedNoVariableCanBeAddedOrEdited) {
  vmhost::SetSelected(front, false);
  ASSERT_EQ(TickOnce(), kNoErr);
  ASSERT_EQ(globals().pieceArtCount, 0);
  EXPECT_FALSE(VarButtonEnabled(5));

  vmwin::ScriptDialog(16157, {vmwin::Click(IDOK)});
  ClickVarButton(5);
  ClickVarButton(4);
  EXPECT_EQ(vmwin::ScriptStepsLeft(), 1u) << "a variable dialog opened without a piece";
  vmwin::ClearScript();
  EXPECT_EQ(VarTag(front, "vmk_grading_var_name_%03d", 3), "");
}

}  // namespace
