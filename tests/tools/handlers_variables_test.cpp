// A new measurement handle names its target variables with the next free
// letter and registers them; registration refuses duplicates and a full table.
#include "handlers_scene.h"
#include "panels/variable_registration.h"
#include "shell/localize.h"

namespace vmtest {
namespace {

using Strings = std::vector<std::string>;
// Shift-JIS: 距離, 角度, 長さ, 半径.
const std::string kD = "\213\227\227\243", kA = "\212p\223x", kL = "\222\267\202\263", kR = "\224\274\214a";

class Variables : public HandlersScene {
 protected:
  void SetTable(const Strings& names) {
    for (int r = 0; r < kMaxVariables; ++r) {
      std::strcpy(globals().variables.varNames[r], r < static_cast<int>(names.size()) ? names[r].c_str() : "");
      globals().variables.varPrivate[r] = r;
    }
  }
  Strings Table() {
    Strings names;
    for (int r = 0; r < kMaxVariables && globals().variables.varNames[r][0] != '\0'; ++r)
      names.push_back(globals().variables.varNames[r]);
    return names;
  }
  Strings Names(int slot) { return {Slot(slot).line.amountExpr, Slot(slot).line.amountExpr + 4}; }
};

TEST_F(Variables, AMeasurementTakesTheLetterAfterTheLargestInUse) {
  UseTool(kMeasureSlot);
  Strings many(195, "v");
  const struct {
    Strings table;
    std::string letter;  // "": no names
  } cases[] = {
      {{}, "A"}, {{"x", kL + "B", kD + "A"}, "C"}, {{kA + "b", kD + "Y"}, "c"}, {{kR + "Z"}, "a"},
      {{kD + "1", kD}, "A"}, {{kD + "z", "w"}, ""}, {many, "A"}, {Strings(196, "v"), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.table.empty() ? "" : c.table[0]);
    std::memset(globals().handles, 0, sizeof globals().handles);
    SetTable(c.table);
    Drag({0, 0}, {200, 0});
    ASSERT_EQ(Slot(0).kind, kHandleMeasurement);
    const std::string& x = c.letter;
    EXPECT_EQ(Names(0), x.empty() ? Strings(4) : (Strings{kD + x, kA + x, kL + x, ""}));
    EXPECT_EQ(Table().size(), c.table.size() + (x.empty() ? 0 : 3));
  }
  EXPECT_TRUE(AlertTexts().empty());
  EXPECT_EQ(vmhost::UndoText(), "計測の取り消し");

  SetTable({kA + "A"});
  Drag(CircleAnchor(0), CircleAnchor(1));  // along an arc the radius is measured too
  EXPECT_EQ(Names(1), (Strings{kD + "B", kA + "B", kL + "B", kR + "B"}));
  SetTable({});
  globals().language = kLanguageEnglish;
  Drag(CircleAnchor(2), CircleAnchor(3));
  EXPECT_EQ(Table(), (Strings{"GDA", "GAA", "GLA", "GRA"}));
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_var_name_003"), "GRA");
}

TEST_F(Variables, RegistrationGivesARowOrRefusesWithAnAlert) {
  const std::string cannot = "変数を登録出来ませんでした。\r", dup = cannot + "変数名が重複しています。";
  const Strings all(kMaxVariables, "n");
  const std::string longName(120, 'N');
  const struct {
    Strings table;
    std::string oldName, newName;
    int32_t row;
    Strings after;
    std::string alert;
  } cases[] = {
      {{"A", "B"}, "", "C", 2, {"A", "B", "C"}, ""},
      {{"x", "y", "z", "A"}, "A", "A", 3, {"x", "y", "z", "A"}, ""},
      {{"A", "B", "C"}, "B", "D", 1, {"A", "D", "C"}, ""},
      {{"A", "B"}, "", "B", kVariableDuplicate, {"A", "B"}, dup},
      {{"A", "B"}, "B", "A", kVariableDuplicate, {"A", "B"}, dup},
      {all, "", "extra", kVariableTableFull, all, cannot + "変数が多すぎます。"},
      {all, "gone", "", kVariableTableFull, all, ""},
      {{}, "", longName, 0, {longName.substr(0, kVarNameSize - 1)}, ""},
      {{"A", "B", "C"}, "A", "", 0, {"B", "C"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.oldName + " -> " + c.newName);
    SetTable(c.table);
    vmhost::ClearRecordings();
    InModuleCall([&] {
      EXPECT_EQ(RegisterVariable(globals().pluginRef, c.oldName.c_str(), c.newName.c_str(), "12", 0), c.row);
    });
    EXPECT_EQ(Table(), c.after);
    EXPECT_EQ(AlertTexts(), c.alert.empty() ? Strings{} : Strings{c.alert});
  }
  // A deletion moves the private flags down with the names and clears the last row.
  EXPECT_EQ(globals().variables.varPrivate[1], 2u);
  EXPECT_EQ(globals().variables.varPrivate[kMaxVariables - 1], 0u);
}

}  // namespace
}  // namespace vmtest
