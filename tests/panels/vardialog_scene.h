// Variables of the current piece and titled pieces in the stand-in host, for
// the variable dialogs and the handle dialogs that insert a pick.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "panels/variable_commands.h"
#include "panels/variable_dialogs.h"
#include "store/art_tags.h"
#include "tools/dialogs_scene.h"

namespace vmtest {

class VarDialogScene : public DialogScene {
 protected:
  // A titled piece with its variable names in tags.
  ArtHandle TitledPiece(const std::string& title, const std::vector<std::string>& names) {
    ArtHandle art = Rect(LayerGroup(), 0, 0, 10, 10);
    WriteStringTag(art, "vmk_grading_title", title.c_str());
    for (size_t k = 0; k < names.size(); ++k) {
      char key[64];
      std::snprintf(key, sizeof key, "vmk_grading_var_name_%03zu", k);
      WriteStringTag(art, key, names[k].c_str());
    }
    return art;
  }

  // The list dialog, run with the user's steps; what it gives back.
  std::string Pick(std::vector<vmwin::UserAction> steps, int32_t* result = nullptr) {
    vmwin::ScriptDialog(kVariableListDialogId + (globals().language == 1 ? 1000 : 0), std::move(steps));
    char picked[kPickedVariableSize] = "";
    int32_t r = 0;
    InModuleCall([&] { r = ShowVariableListDialog(module, nullptr, picked); });
    if (result != nullptr) *result = r;
    return picked;
  }

  static vmwin::UserAction ReadRows(int control, std::vector<std::string>* out) {
    return vmwin::Do([control, out](HWND dialog) {
      HWND box = GetDlgItem(dialog, control);
      const bool combo = control == kVarListSourceCombo;
      out->clear();
      const LRESULT count = SendMessage(box, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
      for (LRESULT row = 0; row < count; ++row) {
        char text[256] = "";
        SendMessage(box, combo ? CB_GETLBTEXT : LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
        out->push_back(text);
      }
    });
  }
};

}  // namespace vmtest
