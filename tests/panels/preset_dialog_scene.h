// The module started with one document; the preset dialogs run inside a host
// call as the Information flyout runs them, answered by a scripted user.
#pragma once

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "host/host_driver.h"
#include "panels/copy_preset_dialog.h"
#include "panels/preset_config_dialog.h"
#include "panels/preset_config_dialog_internal.h"
#include "resources/preset_dialog_resources.h"
#include "support/module_fixture.h"
#include "text/localize.h"
#include "win_driver.h"

namespace vmtest {

struct PresetSpec {
  const char* name;
  int scaleIndex;
  int enabled;
};

class PresetDialogScene : public ModuleTest {
 protected:
  void SetPresets(const std::vector<PresetSpec>& specs) {
    for (size_t slot = 0; slot < kMaxPresets; ++slot) {
      PresetRecord& p = globals().presets[slot];
      p = PresetRecord{};
      p.empty = slot >= specs.size();
      if (p.empty) continue;
      p = {{}, specs[slot].scaleIndex, static_cast<int16_t>(specs[slot].enabled), 0, 1};
      std::snprintf(p.name, sizeof p.name, "%s", specs[slot].name);
    }
  }

  // "name/scale index/enabled".
  static std::string Describe(const PresetRecord& p) {
    return std::string(p.name) + "/" + std::to_string(p.scaleIndex) + "/" + std::to_string(p.enabled);
  }
  // The used slots of the preset table, in slot order.
  std::vector<std::string> Presets() {
    std::vector<std::string> out;
    for (const PresetRecord& p : globals().presets)
      if (!p.empty) out.push_back(Describe(p));
    return out;
  }
  // The rows of the open dialog's list.
  static std::vector<std::string> ListRows(HWND dialog) {
    std::vector<std::string> out;
    for (int row = 0; row < PresetListRowCount(dialog); ++row) {
      const int slot = PresetSlotOfRow(dialog, row);
      out.push_back(slot >= 0 ? Describe(gPresetConfig.working[slot]) : "<none>");
    }
    return out;
  }

  static std::vector<std::string> ComboTexts(HWND dialog, int control) {
    std::vector<std::string> out;
    const LRESULT count = SendDlgItemMessage(dialog, control, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      char text[MAX_PATH] = {};
      if (SendDlgItemMessage(dialog, control, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < MAX_PATH)
        SendDlgItemMessage(dialog, control, CB_GETLBTEXT, static_cast<WPARAM>(i),
                           reinterpret_cast<LPARAM>(text));
      out.push_back(text);
    }
    return out;
  }

  static std::string ComboText(HWND dialog, int control) {
    char text[MAX_PATH] = {};
    GetWindowText(GetDlgItem(dialog, control), text, sizeof text);
    return text;
  }

  // The dialogs run inside a host call, as the flyout command runs them.
  intptr_t RunConfig() {
    return Call([this] { return RunPresetManagerDialog(globals().pluginRef); });
  }
  intptr_t RunCopy(char* name) {
    return Call([&] { return ShowCopyPresetDialog(globals().pluginRef, name); });
  }
  intptr_t Call(const std::function<intptr_t()>& run) {
    intptr_t result = 0;
    InModuleCall([&] { result = run(); });
    return result;
  }

  std::filesystem::path PresetFolder() const {
    return std::filesystem::path(folders->documents()) / "Adobe" / "Illustrator" / "Prefs" / "Vestamark";
  }
  void WritePresetFile(const std::string& name, const std::string& content) const {
    std::filesystem::create_directories(PresetFolder());
    WriteHostFile((PresetFolder() / (name + ".ini")).string(), content);
  }
  std::string ReadPresetFile(const std::string& name) const {
    return ReadHostFile((PresetFolder() / (name + ".ini")).string());
  }
};

}  // namespace vmtest
