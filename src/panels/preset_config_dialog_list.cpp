// The preset list of the configuration dialog: its rows, their records in the
// working copy, and the commands that add, rename, remove and enable presets.
#include <cstdio>
#include <cstring>

#include "common/plugin_globals.h"
#include "panels/preset_config_dialog_internal.h"
#include "resources/preset_dialog_resources.h"
#include "store/text_fields.h"
#include "text/localize.h"

namespace {

// "Can't create to preset (%s)..." and "Are you sure you want to delete this preset (%s)?"
constexpr int kBadPresetNameText = 44;
constexpr int kRemovePresetText = 45;

HWND PresetListWindow(HWND dialog) { return GetDlgItem(dialog, kPresetList); }

int CountEnabledPresets(HWND dialog) {
  int enabled = 0;
  const int rows = PresetListRowCount(dialog);
  for (int row = 0; row < rows; ++row) {
    const int slot = PresetSlotOfRow(dialog, row);
    if (slot >= 0 && gPresetConfig.working[slot].enabled) ++enabled;
  }
  return enabled;
}

void RedrawRow(HWND dialog, int row) {
  RECT rect{};
  HWND list = PresetListWindow(dialog);
  if (SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) != LB_ERR)
    InvalidateRect(list, &rect, FALSE);
}

// A name goes into preset lines inside double quotes, so it may not hold one.
bool IsAcceptablePresetName(const char* name, int exceptSlot) {
  return name[0] != '\0' && std::strchr(name, '"') == nullptr && !PresetNameTaken(name, exceptSlot);
}

void ShowBadPresetName(const char* name) {
  char format[256];
  LocalizeUiString(gPlugin->pluginRef, kLocalizedTexts[kBadPresetNameText].japanese, format, sizeof format);
  ShowPresetMessage(format, name);
}

int FirstFreePresetSlot() {
  for (int slot = 0; slot < kMaxPresets; ++slot)
    if (gPresetConfig.working[slot].empty) return slot;
  return -1;
}

int SmallestFreeScaleIndex() {
  for (int index = 0; index < kMaxPresets; ++index) {
    bool used = false;
    for (int slot = 0; slot < kMaxPresets && !used; ++slot)
      used = !gPresetConfig.working[slot].empty && gPresetConfig.working[slot].scaleIndex == index;
    if (!used) return index;
  }
  return -1;
}

}  // namespace

int PresetListRowCount(HWND dialog) {
  const LRESULT count = SendPresetConfigDlgItemMessage(dialog, kPresetList, LB_GETCOUNT, 0, 0);
  return count > 0 ? static_cast<int>(count) : 0;
}

int PresetSlotOfRow(HWND dialog, int row) {
  const LRESULT slot =
      SendPresetConfigDlgItemMessage(dialog, kPresetList, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
  return slot >= 0 && slot < kMaxPresets ? static_cast<int>(slot) : -1;
}

int PresetNameTaken(const char* name, int exceptSlot) {
  for (int slot = 0; slot < kMaxPresets; ++slot) {
    const PresetRecord& preset = gPresetConfig.working[slot];
    if (slot != exceptSlot && !preset.empty && std::strcmp(preset.name, name) == 0) return 1;
  }
  return 0;
}

void FillPresetList(HWND dialog) {
  SendPresetConfigDlgItemMessage(dialog, kPresetList, LB_RESETCONTENT, 0, 0);
  for (int slot = 0; slot < kMaxPresets; ++slot)
    if (!gPresetConfig.working[slot].empty)
      SendPresetConfigDlgItemMessage(dialog, kPresetList, LB_ADDSTRING, 0, slot);
}

void EnablePresetButtons(HWND dialog) {
  const BOOL selected = GetPresetConfigListCurSel(dialog, 0) >= 0;
  EnableWindow(GetDlgItem(dialog, kPresetRemoveButton), selected);
  EnableWindow(GetDlgItem(dialog, kPresetEditButton), selected);
  EnableWindow(GetDlgItem(dialog, kPresetAddButton), PresetListRowCount(dialog) < kMaxPresets);
}

void RebuildPresetTableFromList(HWND dialog) {
  PluginGlobals& g = *gPlugin;
  std::memset(g.presets, 0, sizeof g.presets);
  for (PresetRecord& preset : g.presets) preset.empty = 1;
  const int rows = PresetListRowCount(dialog);
  int next = 0;
  for (int row = 0; row < rows && next < kMaxPresets; ++row) {
    const int slot = PresetSlotOfRow(dialog, row);
    if (slot < 0 || gPresetConfig.working[slot].empty) continue;
    g.presets[next++] = gPresetConfig.working[slot];
  }
  std::memcpy(g.presetScale, gPresetConfig.workingScales, sizeof g.presetScale);
}

void TogglePresetAtClick(HWND dialog) {
  if (!(GetAsyncKeyState(VK_LBUTTON) & 0x8000)) return;
  const int row = GetPresetConfigListCurSel(dialog, 0);
  const int slot = row >= 0 ? PresetSlotOfRow(dialog, row) : -1;
  if (slot < 0) return;
  HWND list = PresetListWindow(dialog);
  RECT rect{};
  SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
  RECT box{rect.right - kPresetListRowHeight, rect.top, rect.right, rect.top + kPresetListRowHeight};
  InflateRect(&box, -3, -3);
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(list, &cursor);
  if (!PtInRect(&box, cursor)) return;
  PresetRecord& preset = gPresetConfig.working[slot];
  if (preset.enabled && CountEnabledPresets(dialog) < 2) {
    MessageBeep(MB_BEEP_DEFAULT);
    return;
  }
  preset.enabled = preset.enabled ? 0 : 1;
  RedrawRow(dialog, row);
}

void RenameSelectedPreset(HWND dialog) {
  const int row = GetPresetConfigListCurSel(dialog, 0);
  const int slot = row >= 0 ? PresetSlotOfRow(dialog, row) : -1;
  if (slot < 0) {
    MessageBeep(MB_BEEP_DEFAULT);
    return;
  }
  char name[kNameSize];
  CopyTextCutValidTrail(name, sizeof name, gPresetConfig.working[slot].name);
  if (RunPresetNameDialog(dialog, DialogIdForLanguage(kRenamePresetDialogResource), name) != IDOK) return;
  if (!IsAcceptablePresetName(name, slot)) {
    ShowBadPresetName(name);
    return;
  }
  std::memcpy(gPresetConfig.working[slot].name, name, sizeof name);
  RedrawRow(dialog, row);
}

void RemoveSelectedPreset(HWND dialog) {
  const int row = GetPresetConfigListCurSel(dialog, 0);
  const int slot = row >= 0 ? PresetSlotOfRow(dialog, row) : -1;
  if (slot < 0) return;
  PresetRecord& preset = gPresetConfig.working[slot];
  // The last row, or the last enabled one, must stay.
  if (PresetListRowCount(dialog) < 2 || (preset.enabled && CountEnabledPresets(dialog) < 2)) {
    MessageBeep(MB_BEEP_DEFAULT);
    return;
  }
  char format[256];
  LocalizeUiString(gPlugin->pluginRef, kLocalizedTexts[kRemovePresetText].japanese, format, sizeof format);
  if (!AskPresetQuestion(format, preset.name)) return;
  if (slot == gPresetConfig.currentEntry)
    gPresetConfig.currentEntry = static_cast<int16_t>(row > 0 ? PresetSlotOfRow(dialog, row - 1) : -1);
  SendPresetConfigDlgItemMessage(dialog, kPresetList, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
  std::memset(&preset, 0, sizeof preset);
  preset.empty = 1;
}

void AddPreset(HWND dialog) {
  const int slot = FirstFreePresetSlot();
  if (slot < 0) {
    MessageBeep(MB_BEEP_DEFAULT);
    return;
  }
  char name[kNameSize];
  for (int n = 1;; ++n) {
    std::snprintf(name, sizeof name, "UNTITLED-%d", n);
    if (!PresetNameTaken(name, slot)) break;
  }
  if (RunPresetNameDialog(dialog, DialogIdForLanguage(kNewPresetDialogResource), name) != IDOK) return;
  if (!IsAcceptablePresetName(name, slot)) {
    ShowBadPresetName(name);
    return;
  }
  const int scaleIndex = SmallestFreeScaleIndex();
  if (scaleIndex < 0) {
    MessageBeep(MB_BEEP_DEFAULT);
    return;
  }
  const int row = GetPresetConfigListCurSel(dialog, 0);
  SendPresetConfigDlgItemMessage(dialog, kPresetList, LB_INSERTSTRING, static_cast<WPARAM>(row), slot);
  PresetRecord& preset = gPresetConfig.working[slot];
  std::memset(&preset, 0, sizeof preset);
  std::memcpy(preset.name, name, sizeof name);
  preset.scaleIndex = scaleIndex;
  preset.enabled = 1;
  preset.empty = 0;
  preset.output = 1;
}
