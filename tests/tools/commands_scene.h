// The Information panel over a selected piece, used the way a user does:
// rows picked and double-clicked, buttons pressed, each becoming a deferred
// command that the host plays inside one of its calls.
#pragma once

#include <string>
#include <vector>

#include "panels/inf_list_scene.h"
#include "panels/variable_registration.h"
#include "resources/handle_dialog_resource_ids.h"

namespace vmtest {

class CommandScene : public InfListScene {
 protected:
  void TearDown() override {
    vmwin::ClearScript();
    InfListScene::TearDown();
  }
  void Pick(int row) { vmwin::PerformUserAction(InfWindow(), vmwin::PickItem(1, row)); }
  void DoubleClick(int row) { vmwin::PerformUserAction(InfWindow(), vmwin::DoubleClickItem(1, row)); }
  void Press(int button) { vmwin::PerformUserAction(InfWindow(), vmwin::Click(button)); }
  bool Enabled(int control) { return IsWindowEnabled(Control(InfWindow(), control)) != FALSE; }
  std::string ButtonText(int control) {
    char text[16] = "";
    GetWindowText(Control(InfWindow(), control), text, sizeof text);
    return text;
  }
  std::vector<int16_t> Kinds(int slots) {
    std::vector<int16_t> kinds;
    for (int s = 0; s < slots; ++s) kinds.push_back(globals().handles[s].kind);
    return kinds;
  }
  // A measurement handle whose variables are registered in the table.
  void Measurement(int slot, std::vector<const char*> names) {
    RevisionHandle& h = TwoPoint(slot, kHandleMeasurement, circle, 0, circle, 1);
    for (size_t i = 0; i < names.size(); ++i) std::strcpy(h.line.amountExpr[i], names[i]);
    InModuleCall([&] {
      for (const char* name : names)
        if (name[0] != '\0') RegisterVariable(module, "", name, "1", 0);
    });
  }
  bool HasVariable(const char* name) {
    for (int row = 0; row < kMaxVariables; ++row)
      if (std::strcmp(globals().variables.varNames[row], name) == 0) return true;
    return false;
  }
};

}  // namespace vmtest
