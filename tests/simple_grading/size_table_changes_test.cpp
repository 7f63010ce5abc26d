// What a change of the size table does to the document: each block and its
// own graded piece follow it, the presets' scales take the pitches that are
// there, and a cancelled table dialog leaves the table and its file name.
#include <cstring>
#include <string>

#include "tools_scene.h"
#include "win_driver.h"

namespace vmtest {
namespace {

class SizeTableChanges : public ToolsScene {
 protected:
  void SetUp() override {
    ToolsScene::SetUp();
    globals().language = 1;
    SimpleGradingSettings& s = globals().simpleGrading;
    s.grading_front_bust_position = s.grading_back_bust_position = 50;
  }
  // The table dialog of the chart tool, OK'd after the actions.
  void ChangeTable(std::vector<vmwin::UserAction> actions) {
    UseKind(0);
    actions.push_back(vmwin::Click(IDOK));
    vmwin::ScriptDialog(17163, std::move(actions));
    ASSERT_EQ(vmhost::EditToolOptions(), kNoErr);
  }
  void Dispose(ArtHandle art) {
    ModuleSuites suites;
    sAIArt->DisposeArt(art);
  }
};

TEST_F(SizeTableChanges, ABlockThatLostItsPieceNeverTakesAnotherBlocksPiece) {
  // Both blocks over the same place, each around its own piece.
  ArtHandle front = Piece({200, 200}, {150, 450});
  UseKind(1);
  DragTool({100, 500}, {460, 140});
  vmhost::SetSelected(front, false);
  ArtHandle back = Piece({300, 200}, {350, 450});
  UseKind(2);
  DragTool({100, 500}, {460, 140});
  const std::string backBox = Box(Object(3));
  Dispose(back);

  const int beeps = vmwin::BeepCount();
  ChangeTable({vmwin::SetText(21 + 20 + 4, "508")});
  EXPECT_EQ(Box(Object(2)), "100 500 820 140") << "the front follows the table around its piece";
  EXPECT_EQ(vmhost::Tag(front, kSimpleGradingObjectTypeKey).substr(0, 3), "12,");
  EXPECT_EQ(Object(13), nullptr) << "the front's piece is not made the back's";
  EXPECT_EQ(Box(Object(3)), backBox) << "a block without a piece stays as drawn";
  EXPECT_EQ(vmwin::BeepCount(), beeps);
}

TEST_F(SizeTableChanges, EachBlockIsDrawnAgainWithItsOwnProportions) {
  ArtHandle front = Piece({200, 200}, {150, 450});
  UseKind(1);
  DragTool({100, 500}, {460, 140});
  // What drawing a front block in another document leaves in the settings.
  SimpleGradingSettings& s = globals().simpleGrading;
  vmhost::SetSelected(front, false);
  Piece({700, 200}, {750, 450});
  UseKind(3);
  DragTool({600, 500}, {900, 140});
  s.grading_front_bust_position = 30;
  s.grading_front_body_width = 10;
  // A wider bust and a shorter sleeve depth; the dress length stays.
  ChangeTable({vmwin::SetText(21 + 20 + 4, "508"), vmwin::SetText(21 + 20 + 5, "127")});
  EXPECT_EQ(Paths(Object(2)), (std::vector<std::string>{"100 500 820 140", "100 320 820 320"}));
  EXPECT_EQ(Paths(Object(4)), (std::vector<std::string>{"600 473 900 293", "600 446 900 446", "750 473 750 293"}));
  EXPECT_EQ(s.grading_front_bust_position, 50);
  EXPECT_EQ(s.grading_front_body_width, 50);
  EXPECT_EQ(vmhost::Tag(front, kSimpleGradingObjectTypeKey).substr(0, 3), "12,");
}

TEST_F(SizeTableChanges, AGradedPieceWhoseBlockIsGoneIsGradedAgain) {
  ArtHandle front = Piece({200, 200}, {150, 450});
  UseKind(1);
  DragTool({100, 500}, {460, 140});
  EXPECT_EQ(vmhost::Tag(front, "vmk_grading_preset_1"), "0,0.905,0.905");
  Dispose(Object(2));

  ChangeTable({vmwin::SetText(21, "80")});
  EXPECT_EQ(vmhost::Tag(front, "vmk_grading_preset_1"), "0,0.8,0.8");
  EXPECT_EQ(vmhost::Tag(front, kSimpleGradingObjectTypeKey), "12,0,0,0,0,0,0,0");
  EXPECT_EQ(Object(2), nullptr);
}

TEST_F(SizeTableChanges, SizesWithoutAPitchKeepTheirScales) {
  PluginGlobals& g = globals();
  g.presetScale[5] = ScalePair{1.1, 1.2};
  g.presets[4] = PresetRecord{"XL", 5, 1, 0, 1};  // a size beyond the table's pitches
  g.sizeTable[8].pitch = -50;  // no size is graded inside out either
  g.presetScale[8] = ScalePair{1.3, 1.3};
  ArtHandle front = Piece({200, 200}, {150, 450});
  UseKind(1);
  DragTool({100, 500}, {460, 140});
  EXPECT_EQ(g.presetScale[0].h, 0.905);
  EXPECT_EQ(g.presetScale[5].h, 1.1);
  EXPECT_EQ(g.presetScale[5].v, 1.2);
  EXPECT_EQ(g.groupPresetScale[5].h, 1.1);
  EXPECT_EQ(g.groupPresetScale[5].v, 1.2);
  EXPECT_EQ(g.presetScale[8].h, 1.3);
  EXPECT_EQ(vmhost::Tag(front, "vmk_grading_preset_6"), "0,1.1,1.2");

  // Nor does a new table, nor the preferences written after it.
  ChangeTable({vmwin::SetText(21 + 10, "96")});
  EXPECT_DOUBLE_EQ(g.presetScale[1].h, 0.96);
  EXPECT_EQ(g.presetScale[5].h, 1.1);
  EXPECT_EQ(g.presetScale[5].v, 1.2);
  const std::string preferences =
      ReadHostFile(folders->documents() + "/Adobe/Illustrator/Prefs/Vestamark.ini");
  EXPECT_NE(preferences.find("grading_preset_05 = \"XL\",1.1,1.2,"), std::string::npos) << preferences;
}

TEST_F(SizeTableChanges, CancelPutsBackTheFileNameWithTheTable) {
  WriteSizeTable("A", "grading_size_table_01 = 80,1,1,1,1,1,1,1,1\r\n");
  WriteSizeTable("B", "grading_size_table_01 = 70,2,2,2,2,2,2,2,2\r\n");
  const std::string fileB = ReadHostFile(SizeTablePath("B"));
  std::strcpy(globals().sizeTableName, "A");
  UseKind(0);
  vmwin::ScriptDialog(17163, {vmwin::PickItemText(4, "B"), vmwin::Click(IDCANCEL)});
  ASSERT_EQ(vmhost::EditToolOptions(), kNoErr);
  EXPECT_STREQ(globals().sizeTableName, "A");
  EXPECT_EQ(globals().sizeTable[0].pitch, 90.5);

  // The next opening shows A, and Save writes the table into A, never into B.
  std::string shown;
  vmwin::ScriptDialog(17163, {vmwin::Do([&](HWND d) { shown = ComboRows(d, 4)[ComboSelection(d, 4)]; }),
                              vmwin::PickItemText(4, "Save"), vmwin::Click(IDOK)});
  ASSERT_EQ(vmhost::EditToolOptions(), kNoErr);
  EXPECT_EQ(shown, "A");
  EXPECT_EQ(ReadHostFile(SizeTablePath("B")), fileB);
  EXPECT_NE(ReadHostFile(SizeTablePath("A")).find("grading_size_table_01 = 90.5,"), std::string::npos);
}

}  // namespace
}  // namespace vmtest
