// The module started with one document, for the size chart and the
// simple-grading dialogs: dialogs run as the tool family opens them, and the
// size-table folder under the test's Documents folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "host_model.h"
#include "simple_grading/simple_grading_dialogs.h"
#include "support/module_fixture.h"
#include "win_driver.h"

namespace vmtest {

class SimpleGradingScene : public ModuleTest {
 protected:
  // The dialog of `id` with the user's actions; its result.
  INT_PTR ShowDialog(int id, std::vector<vmwin::UserAction> actions) {
    vmwin::ScriptDialog(id, std::move(actions));
    return RunDialog(id);
  }
  // The dialog as the tool family opens it, the script already queued.
  INT_PTR RunDialog(int id) {
    INT_PTR result = 0;
    InModuleCall([&] { result = RunSimpleGradingDialog(ModuleInstanceOf(module), id); });
    return result;
  }

  std::string SizeTablePath(const std::string& name) const {
    return folders->documents() + "/Adobe/Illustrator/Prefs/Vestamark/SizeTable/" + name + ".ini";
  }
  void WriteSizeTable(const std::string& name, const std::string& content) const {
    std::filesystem::create_directories(std::filesystem::path(SizeTablePath(name)).parent_path());
    WriteHostFile(SizeTablePath(name), content);
  }
  bool SizeTableExists(const std::string& name) const { return std::filesystem::exists(SizeTablePath(name)); }
};

// What a dialog shows, read while it is open.
inline std::string FieldText(HWND dialog, int id) {
  char text[256] = {};
  GetDlgItemText(dialog, id, text, sizeof text);
  return text;
}

inline std::vector<std::string> ComboRows(HWND dialog, int id) {
  std::vector<std::string> rows;
  HWND combo = GetDlgItem(dialog, id);
  const int count = static_cast<int>(SendMessage(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    GetSizeTableComboText(combo, i, text, sizeof text);
    rows.push_back(text);
  }
  return rows;
}

inline int ComboSelection(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessage(dialog, id, CB_GETCURSEL, 0, 0));
}

}  // namespace vmtest
