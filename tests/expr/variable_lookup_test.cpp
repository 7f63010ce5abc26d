// Variables of the piece being graded and, by title:name, of other pieces in
// the document.
#include <cstring>

#include "expr/script.h"
#include "expr/script_fixture.h"
#include "host/host_driver.h"

namespace {

class LookupTest : public ScriptTest {};

TEST_F(LookupTest, TitleAndNameReadAnotherPiecesTags) {
  AddTitledPiece(AddLayerGroup("<<Vestamark Preview>>"), "BACK", {{"width", "999"}});  // passed over
  ArtHandle pattern = AddLayerGroup("Pattern");
  ArtHandle compound = vmhost::AddGroup(vmhost::AddGroup(pattern), kCompoundPathArt);
  SetTag(compound, "vmk_grading_title", "BACK");  // not a group or a path
  std::string longValue = "\"" + std::string(300, 'w') + "\"";
  AddTitledPiece(pattern, "BACK", {{"depth", "20"}, {"width", "40+%%PRESET_IDX%%"}, {"long", longValue}});
  AddTitledPiece(pattern, "SLEEVE", {{"width", "7"}});
  gPlugin->currentScaleIndex = 1;
  ExpectValues({
      {"BACK:width", "42"},  // evaluated for the preset now graded
      {"SLEEVE:width+BACK:depth*2", "47"},
      {"FRONT:width", ""},
      {"BACK:height", ""},
      {"length(BACK:long)", "300"},
  });
}

TEST_F(LookupTest, TheFirstTitledArtInLayerOrderWinsChildrenFirst) {
  ArtHandle layer = AddLayerGroup("Pieces");
  AddTitledPiece(AddLayerGroup("Later"), "P", {{"x", "3"}});
  ArtHandle outer = vmhost::AddGroup(layer);
  SetTag(outer, "vmk_grading_title", "P");
  SetTag(outer, "vmk_grading_var_name_000", "x");
  SetTag(outer, "vmk_grading_var_value_000000", "1");
  AddTitledPiece(outer, "P", {{"x", "2"}});
  ArtHandle foreign = vmhost::AddGroup(layer);  // on top, but another tool's group is not searched
  SetTag(foreign, "KRW_PRO_TOOLCNF", "1");
  AddTitledPiece(foreign, "P", {{"x", "9"}});
  EXPECT_EQ(Run("P:x"), "2");
  ArtHandle found = nullptr;
  FindArtByGradingTitle(layer, "nobody", &found);
  EXPECT_EQ(found, nullptr);
}

TEST_F(LookupTest, LocalVariablesTakeTheirOwnRowOrTheFirstEmptyOne) {
  SetVariable(0, "a", "1");
  SetVariable(1, "b", "2");
  EXPECT_EQ(SetLocalVariable("b", "20"), 1);
  EXPECT_EQ(SetLocalVariable("c", "30"), 1);
  EXPECT_EQ(Run("a+b+c"), "51");
  EXPECT_EQ(SetLocalVariable(std::string(100, 'n').c_str(), std::string(5000, 'v').c_str()), 1);
  EXPECT_EQ(std::strlen(gPlugin->variables.varNames[3]), 81u);
  EXPECT_EQ(std::strlen(gPlugin->variables.varValues[3]), 4095u);
  for (int row = 4; row < kMaxVariables; ++row) SetVariable(row, std::string("r").append(std::to_string(row)), "0");
  EXPECT_EQ(SetLocalVariable("new", "1"), 0);
}

}  // namespace
