// The Variable panel with no revision tool in hand: the public variables of
// every selected titled piece, edited in the pieces' own tags, exported and
// imported as CSV, and the pieces graded anew by Update.
#include "panels/var_piece_tags.h"
#include "panels/var_scene.h"
#include "panels/variable_commands.h"

using namespace vmtest;

namespace {

using Strings = std::vector<std::string>;

class VarDocumentTest : public VarScene {
 protected:
  void SetUp() override {
    VarScene::SetUp();
    twin = AddPiece("Front", {{"A", "99"}, {"W", std::string(300, 'w')}, {"P", "1", 1}}, 400);
    back = AddPiece("Back", {{"Z", "5"}, {"A", "7"}}, 800);
    vmhost::SetSelected(twin, true);
    ASSERT_EQ(vmhost::SelectTool(nullptr), kNoErr);
    ASSERT_EQ(TickOnce(), kNoErr);
    vmhost::ClearRecordings();
  }
  std::vector<Strings> Rows() {
    std::vector<Strings> rows;
    const VariableTable& t = globals().variables;
    for (int r = 0; r < kMaxVariables && t.varNames[r][0] != '\0'; ++r)
      rows.push_back({t.varTitles[r], t.varNames[r], std::string(t.varValues[r]).substr(0, 8)});
    return rows;
  }
  std::string CsvPath() const { return folders->root() + "/vars.csv"; }

  ArtHandle twin = nullptr, back = nullptr;
};

TEST_F(VarDocumentTest, SelectedPiecesGiveOneRowPerPublicTitleAndName) {
  ASSERT_EQ(globals().varTitlesValid, 1);
  // The twin lies above the first piece, so its "A" is the one shown.
  EXPECT_EQ(
      Rows(),
      (std::vector<Strings>{
          {"Front", "A", "99"}, {"Front", "W", "wwwwwwww"}, {"Front", "B", "20"}, {"Front", "C", "30"}}));
  EXPECT_EQ(std::strlen(globals().variables.varValues[1]), 300u) << "the chunks joined";
  EXPECT_EQ(ListData(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_FALSE(VarButtonEnabled(5));
  EXPECT_TRUE(VarButtonEnabled(6));
  PickRow(0);
  EXPECT_FALSE(VarButtonEnabled(3));
  EXPECT_TRUE(VarButtonEnabled(4));
  ClickVarButton(5);  // New and Delete never reach a document-mode table
  EXPECT_EQ(Rows().size(), 4u);
}

TEST_F(VarDocumentTest, EditRewritesTheVariableInEveryPieceOfThatTitle) {
  AnswerEditDialog({"Ease", std::string(300, 'e')});
  vmwin::PerformUserAction(VarWindow(), vmwin::DoubleClickItem(1, 0));
  for (ArtHandle piece : {front, twin}) {
    EXPECT_EQ(VarTag(piece, "vmk_grading_var_name_%03d", 0), "Ease");
    EXPECT_EQ(VarTag(piece, "vmk_grading_var_value_%03d000", 0), std::string(128, 'e'));
    EXPECT_EQ(VarTag(piece, "vmk_grading_var_value_%03d001", 0), std::string(128, 'e'));
    EXPECT_EQ(VarTag(piece, "vmk_grading_var_value_%03d002", 0), std::string(44, 'e'));
    EXPECT_EQ(VarTag(piece, "vmk_grading_var_value_%03d003", 0), "");
  }
  EXPECT_EQ(Rows()[0], (Strings{"Front", "Ease", "eeeeeeee"}));
  EXPECT_EQ(VarTag(back, "vmk_grading_var_name_%03d", 0), "Z");
  EXPECT_EQ(VarTag(back, "vmk_grading_var_name_%03d", 1), "A");  // another title's own "A"
  EXPECT_EQ(vmhost::UndoText(), "変数編集の取り消し");

  // The twin's own "W" may not be taken by another variable of that title.
  AnswerEditDialog({"W", "1"});
  vmwin::PerformUserAction(VarWindow(), vmwin::DoubleClickItem(1, 2));
  EXPECT_EQ(VarTag(front, "vmk_grading_var_name_%03d", 1), "B");
  EXPECT_EQ(AlertTexts(), (Strings{"変数を登録出来ませんでした。\r変数名が重複しています。"}));
}

TEST_F(VarDocumentTest, ExportedValuesComeBackIntoThePiecesThatHaveThem) {
  vmhost::QueuePutFileAnswer(CsvPath());
  ASSERT_TRUE(vmhost::ChooseFlyoutItem(VarPanel(), 2));
  std::string csv = ReadHostFile(CsvPath());
  ASSERT_NE(csv.find("\"Front\",B,"), std::string::npos) << csv;
  csv.replace(csv.find("\"20\""), 4, "\"21\"");
  WriteHostFile(CsvPath(), csv);

  vmwin::ScriptOpenFile(CsvPath());
  ASSERT_TRUE(vmhost::ChooseFlyoutItem(VarPanel(), 1));
  EXPECT_EQ(VarTag(front, "vmk_grading_var_value_%03d000", 1), "21");
  EXPECT_EQ(VarTag(twin, "vmk_grading_var_name_%03d", 2), "P") << "nothing added to the twin";
  EXPECT_EQ(VarTag(twin, "vmk_grading_var_name_%03d", 3), "");
  EXPECT_EQ(VarTag(back, "vmk_grading_var_value_%03d000", 0), "5");
  EXPECT_EQ(VarTag(back, "vmk_grading_var_value_%03d000", 1), "7") << "Front's A is not Back's";
  EXPECT_EQ(vmhost::UndoText(), "変数編集の取り消し") << "the import is undone as an edit";
}

// A row dragged in document mode keeps its place in the piece's own tags, so
// the next time the list is filled (another selection, the document opened
// again) the order is the one the user made.
TEST_F(VarDocumentTest, ADraggedRowKeepsItsPlaceInThePiecesTags) {
  vmhost::SetSelected(twin, false);
  ASSERT_EQ(TickOnce(), kNoErr);
  ASSERT_EQ(Rows(), (std::vector<Strings>{{"Front", "A", "10"}, {"Front", "B", "20"}, {"Front", "C", "30"}}));
  InModuleCall([] { ReorderVariables(2, 2, 0, 0); });
  EXPECT_EQ(vmhost::UndoText(), "変数入替の取り消し");
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(VarTag(front, "vmk_grading_var_name_%03d", k), (Strings{"B", "C", "A"}[k]));
    EXPECT_EQ(VarTag(front, "vmk_grading_var_value_%03d000", k), (Strings{"20", "30", "10"}[k]));
  }
  EXPECT_EQ(VarTag(twin, "vmk_grading_var_name_%03d", 0), "A") << "the twin's order had nothing to follow";
  vmhost::SetSelected(front, false);
  ASSERT_EQ(TickOnce(), kNoErr);
  vmhost::SetSelected(front, true);
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(Rows(), (std::vector<Strings>{{"Front", "B", "20"}, {"Front", "C", "30"}, {"Front", "A", "10"}}));

  // Among the twin's own variables the private one keeps its flag as it moves.
  InModuleCall([&] { MovePieceVariable(twin, 2, 0); });
  EXPECT_EQ(VarTag(twin, "vmk_grading_var_name_%03d", 0), "P");
  EXPECT_EQ(VarTag(twin, "vmk_grading_var_private_%03d", 0), "1");
  EXPECT_EQ(VarTag(twin, "vmk_grading_var_private_%03d", 2), "");
  EXPECT_EQ(VarTag(twin, "vmk_grading_var_value_%03d002", 2), std::string(44, 'w'));
}

TEST_F(VarDocumentTest, UpdateReplacesEveryTitledPieceByItsGradedCopies) {
  vmwin::ScriptDialog(16070, {vmwin::PressEscape()});
  const int32_t depth = vmhost::UndoDepth();
  ClickVarButton(6);
  EXPECT_EQ(vmhost::UndoDepth(), depth);

  globals().updateGrading.renewal_leave = 0;
  globals().updateGrading.renewal_mode = 0;
  globals().updateGrading.renewal_out_layer = 0;
  const std::vector<ArtHandle> frontMembers = vmhost::Children(front);
  vmwin::ScriptDialog(16070, {vmwin::PressEnter()});
  ClickVarButton(6);
  EXPECT_TRUE(vmhost::Children(front).empty()) << "the members were replaced";
  EXPECT_TRUE(vmhost::Children(back).empty());
  int graded = 0;  // new groups carrying a piece's tags and its two copies
  ArtHandle layerGroup = nullptr;
  InModuleCall([&] { sAIArt->GetArtParent(front, &layerGroup); });
  for (ArtHandle art : vmhost::Children(layerGroup))
    graded += !vmhost::Tag(art, "vmk_grading_title").empty() && vmhost::Children(art).size() == 2;
  EXPECT_EQ(graded, 3);
  EXPECT_EQ(vmhost::FindLayer("<<Vestamark Preview>>"), nullptr);
  EXPECT_EQ(vmhost::Notifications(), (Strings{"5081-7342-6619-2470-8853-1906"}));
  EXPECT_EQ(vmhost::UndoText(), "更新の取り消し");
  // The copies that replaced each piece's members are selected, so the list is filled again
  // with every piece's public variables.
  EXPECT_EQ(Rows(), (std::vector<Strings>{{"Back", "Z", "5"},
                                          {"Back", "A", "7"},
                                          {"Front", "A", "99"},
                                          {"Front", "W", "wwwwwwww"},
                                          {"Front", "B", "20"},
                                          {"Front", "C", "30"}}));
}

}  // namespace
