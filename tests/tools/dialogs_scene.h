// A piece in the stand-in host whose handles a scripted user edits in the
// revision handle dialogs.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "engine/grading_engine_scene.h"
#include "tools/handle_dialogs.h"
#include "win_driver.h"

namespace vmtest {

constexpr char kSampleLayer[] = "<<Vestamark Sample>>";

class DialogScene : public GradingScene {
 protected:
  void SetUp() override {
    GradingScene::SetUp();
    vmwin::ClearScript();
    std::strcpy(globals().unitName, "mm");
  }
  void TearDown() override {
    vmwin::ClearScript();
    GradingScene::TearDown();
  }

  // Runs a launcher inside one host call, with the user's steps for the dialog.
  int32_t Run(int32_t (*launcher)(PluginRef, int32_t), int32_t slot, int dialogId,
              std::vector<vmwin::UserAction> steps) {
    vmwin::ScriptDialog(dialogId, std::move(steps));
    int32_t result = 0;
    InModuleCall([&] { result = launcher(module, slot); });
    return result;
  }

  // A step that reads a field while the dialog is open.
  static vmwin::UserAction Read(int control, std::string* out) {
    return vmwin::Do([control, out](HWND dialog) {
      char text[256] = "";
      GetDlgItemText(dialog, control, text, sizeof text);
      *out = text;
    });
  }
  static vmwin::UserAction ReadCheck(int control, UINT* out) {
    return vmwin::Do([control, out](HWND dialog) { *out = IsDlgButtonChecked(dialog, control); });
  }

  std::string Amount(int slot) { return globals().handles[slot].line.amountExpr[kScale]; }
  void SetAmount(int slot, const char* text) {
    std::strcpy(globals().handles[slot].line.amountExpr[kScale], text);
  }
};

}  // namespace vmtest
