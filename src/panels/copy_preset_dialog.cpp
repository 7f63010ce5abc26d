#include "panels/copy_preset_dialog.h"

#include <cstring>

#include "common/dialog_placement.h"
#include "common/plugin_globals.h"
#include "panels/preset_config_dialog_internal.h"
#include "resources/preset_dialog_resources.h"
#include "store/text_fields.h"
#include "text/localize.h"

char CopyPresetTransfer[kNameSize];

namespace {

void FillCopyPresetCombo(HWND dialog) {
  SendCopyPresetDlgItemMessage(dialog, kCopyPresetCombo, CB_RESETCONTENT, 0, 0);
  int entries = 0;
  int chosen = 0;
  for (int slot = 0; slot < kMaxPresets && !gPlugin->presets[slot].empty; ++slot) {
    const PresetRecord& preset = gPlugin->presets[slot];
    if (!preset.enabled) continue;
    AddCopyPresetComboString(dialog, kCopyPresetCombo, preset.name);
    if (std::strcmp(preset.name, CopyPresetTransfer) == 0) chosen = entries;
    ++entries;
  }
  SendCopyPresetDlgItemMessage(dialog, kCopyPresetCombo, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

// The chosen name, whole: a name cut short would match no preset.
bool ReadChosenPreset(HWND dialog) {
  HWND combo = GetDlgItem(dialog, kCopyPresetCombo);
  const int length = GetWindowTextLength(combo);
  if (length <= 0 || length >= kNameSize) return false;
  GetWindowText(combo, CopyPresetTransfer, kNameSize);
  CopyPresetTransfer[kNameSize - 1] = '\0';
  return true;
}

}  // namespace

LRESULT SendCopyPresetDlgItemMessage(HWND dialog, int control, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendDlgItemMessage(dialog, control, message, wParam, lParam);
}

void AddCopyPresetComboString(HWND dialog, int control, const char* text) {
  SendCopyPresetDlgItemMessage(dialog, control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

INT_PTR CopyPresetDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    PlaceDialogCentredOnTop(dialog);
    FillCopyPresetCombo(dialog);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK:
      // With nothing to choose, OK copies nothing.
      EndDialog(dialog, ReadChosenPreset(dialog) ? IDOK : IDCANCEL);
      return TRUE;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

intptr_t ShowCopyPresetDialog(PluginRef pluginRef, char* name) {
  CopyTextCutValidTrail(CopyPresetTransfer, sizeof CopyPresetTransfer, name);
  HINSTANCE instance = PresetDialogInstance(pluginRef);
  const int32_t id = DialogIdForLanguage(kCopyPresetDialogResource);
  const intptr_t result =
      DialogBoxParam(instance, MAKEINTRESOURCE(id), PresetDialogParent(), CopyPresetDlgProc, 0);
  if (result == IDOK) std::memcpy(name, CopyPresetTransfer, sizeof CopyPresetTransfer);
  return result;
}
