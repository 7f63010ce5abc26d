// The Variable panel over pieces that carry variables: one piece "Front"
// selected with a revision tool in hand, and the variable edit dialog
// answered by the scripted user.
#pragma once

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "common/suite_pointers.h"
#include "panels/panel_scene.h"
#include "panels/variable_dialogs.h"
#include "store/grading_group_tags.h"
#include "support/tool_gestures.h"

namespace vmtest {

struct Variable {
  std::string name, value;
  uint32_t isPrivate = 0;
};

class VarScene : public PanelScene {
 protected:
  void SetUp() override {
    PanelScene::SetUp();
    front = AddPiece("Front", {{"A", "10"}, {"B", "20"}, {"C", "30"}}, 0);
    vmhost::SetSelected(front, true);
    ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[1]), kNoErr);
    ASSERT_EQ(TickOnce(), kNoErr);
    vmhost::ClearRecordings();
  }

  // A titled group piece of two paths, stored as the module stores one.
  ArtHandle AddPiece(const char* title, const std::vector<Variable>& variables, double offset) {
    ArtHandle piece = nullptr;
    InModuleCall([&] {
      piece = vmhost::AddGroup(CurrentLayerGroup());
      std::vector<ArtHandle> arts{
          vmhost::AddPolyline(piece, {{offset, 0}, {offset + 100, 0}, {offset + 100, 100}}, false),
          vmhost::AddPolyline(piece, {{offset, 200}, {offset + 50, 200}}, false)};
      PluginGlobals& g = globals();
      std::snprintf(g.grading_title, sizeof g.grading_title, "%s", title);
      for (int r = 0; r < kMaxVariables; ++r) {
        const Variable v = r < static_cast<int>(variables.size()) ? variables[r] : Variable{};
        std::snprintf(g.variables.varNames[r], kVarNameSize, "%s", v.name.c_str());
        std::snprintf(g.variables.varValues[r], kVarValueSize, "%s", v.value.c_str());
        g.variables.varPrivate[r] = v.isPrivate;
      }
      SaveGradingGroup(arts.data(), 2, 1);
    });
    return piece;
  }

  // The user reads the proposed name, types the answer and presses OK.
  static void AnswerEditDialog(const Variable& answer, std::string* proposed = nullptr) {
    std::vector<vmwin::UserAction> actions{vmwin::Do([proposed](HWND dialog) {
                                             char name[kNameSize] = "";
                                             GetDlgItemText(dialog, 5, name, sizeof name);
                                             if (proposed != nullptr) *proposed = name;
                                           }),
                                           vmwin::SetText(5, answer.name), vmwin::SetText(4, answer.value)};
    if (answer.isPrivate != 0) actions.push_back(vmwin::Check(7, 1));
    actions.push_back(vmwin::Click(IDOK));
    vmwin::ScriptDialog(16157, actions);
  }

  static void ClickVarButton(int id) { SendMessage(Control(VarWindow(), id), BM_CLICK, 0, 0); }
  static bool VarButtonEnabled(int id) { return IsWindowEnabled(Control(VarWindow(), id)) != 0; }
  static void PickRow(int row) { vmwin::PerformUserAction(VarWindow(), vmwin::PickItem(1, row)); }

  // The table's names up to the first empty one.
  std::vector<std::string> TableNames() {
    std::vector<std::string> names;
    for (int r = 0; r < kMaxVariables && globals().variables.varNames[r][0] != '\0'; ++r)
      names.emplace_back(globals().variables.varNames[r]);
    return names;
  }
  static std::vector<int> ListData() {
    HWND list = Control(VarWindow(), 1);
    std::vector<int> data;
    for (LRESULT r = 0; r < SendMessage(list, LB_GETCOUNT, 0, 0); ++r)
      data.push_back(static_cast<int>(SendMessage(list, LB_GETITEMDATA, r, 0)));
    return data;
  }
  static std::string VarTag(ArtHandle piece, const char* format, int k) {
    char key[64];
    std::snprintf(key, sizeof key, format, k);
    return vmhost::Tag(piece, key);
  }

  ArtHandle front = nullptr;
};

}  // namespace vmtest
