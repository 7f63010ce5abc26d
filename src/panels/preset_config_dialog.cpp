#include "panels/preset_config_dialog.h"

#include <cstdlib>
#include <cstring>

#include "common/dialog_placement.h"
#include "common/plugin_globals.h"
#include "panels/preset_config_dialog_internal.h"
#include "resources/preset_dialog_resources.h"
#include "store/text_fields.h"
#include "text/localize.h"

PresetConfigDialogState gPresetConfig;

namespace {

void InitPresetConfigDialog(HWND dialog) {
  PlaceDialogCentredOnTop(dialog);
  HWND combo = GetDlgItem(dialog, kPresetFileCombo);
  RECT client{};
  RECT frame{};
  GetClientRect(combo, &client);
  GetWindowRect(combo, &frame);
  POINT origin{frame.left, frame.top};
  ScreenToClient(dialog, &origin);
  MoveWindow(combo, origin.x, origin.y, client.right - client.left, client.bottom - client.top + 1, TRUE);
  SendMessage(combo, CB_SETITEMHEIGHT, 0, kPresetComboRowHeight);

  FillPresetFileCombo(dialog);
  FillPresetList(dialog);
  HWND list = GetDlgItem(dialog, kPresetList);
  if (gPlugin->infPanelState.font != nullptr)
    SendMessage(list, WM_SETFONT, reinterpret_cast<WPARAM>(gPlugin->infPanelState.font), FALSE);
  EnablePresetButtons(dialog);
  MakeDragList(list);
  gPlugin->dragListMessage = static_cast<int32_t>(RegisterWindowMessage(DRAGLISTMSGSTRING));
}

// The slot the current preset now has, or the one of its stand-in.
void SeatCurrentPreset(HWND dialog) {
  int16_t seat = 0;
  const int rows = PresetListRowCount(dialog);
  for (int row = 0; row < rows; ++row)
    if (gPresetConfig.currentEntry >= 0 && PresetSlotOfRow(dialog, row) == gPresetConfig.currentEntry)
      seat = static_cast<int16_t>(row);
  gPlugin->currentPresetSlot = seat;
}

void EndPresetConfigDialog(HWND dialog, INT_PTR result) {
  if (result == IDOK) {
    RebuildPresetTableFromList(dialog);
    SeatCurrentPreset(dialog);
  }
  EndDialog(dialog, result);
  gPlugin->dragListMessage = -1;
}

void OnPresetConfigCommand(HWND dialog, int control, int code) {
  switch (control) {
    case IDOK:
    case IDCANCEL:
      EndPresetConfigDialog(dialog, control);
      return;
    case kPresetList:
      if (code == LBN_SELCHANGE) TogglePresetAtClick(dialog);
      if (code == LBN_DBLCLK) RenameSelectedPreset(dialog);
      break;
    case kPresetEditButton:
      RenameSelectedPreset(dialog);
      break;
    case kPresetRemoveButton:
      RemoveSelectedPreset(dialog);
      break;
    case kPresetAddButton:
      AddPreset(dialog);
      break;
    case kPresetFileCombo:
      if (code == CBN_SELCHANGE) OnPresetFileComboChange(dialog);
      return;
    default:
      return;
  }
  EnablePresetButtons(dialog);
}

}  // namespace

intptr_t RunPresetManagerDialog(PluginRef pluginRef) {
  PluginGlobals& g = *gPlugin;
  gPresetConfig = PresetConfigDialogState{};
  gPresetConfig.dragSource = gPresetConfig.dragTarget = -1;
  gPresetConfig.instance = PresetDialogInstance(pluginRef);
  gPresetConfig.working = static_cast<PresetRecord*>(std::malloc(sizeof g.presets));
  gPresetConfig.workingScales = static_cast<ScalePair*>(std::malloc(sizeof g.presetScale));
  intptr_t result = -1;
  if (gPresetConfig.working != nullptr && gPresetConfig.workingScales != nullptr) {
    std::memcpy(gPresetConfig.working, g.presets, sizeof g.presets);
    std::memcpy(gPresetConfig.workingScales, g.presetScale, sizeof g.presetScale);
    CopyTextCutValidTrail(gPresetConfig.openingFileName, sizeof gPresetConfig.openingFileName,
                          g.presetFileName);
    const bool current = g.currentPresetSlot >= 0 && g.currentPresetSlot < kMaxPresets;
    gPresetConfig.currentEntry = current ? g.currentPresetSlot : -1;
    const int32_t id = DialogIdForLanguage(kPresetConfigDialogResource);
    result = DialogBoxParam(gPresetConfig.instance, MAKEINTRESOURCE(id), PresetDialogParent(),
                            PresetConfigDialogProc, 0);
  }
  // A cancelled dialog leaves the preset set it was opened with, name included.
  if (result != IDOK)
    CopyTextCutValidTrail(g.presetFileName, sizeof g.presetFileName, gPresetConfig.openingFileName);
  std::free(gPresetConfig.working);
  std::free(gPresetConfig.workingScales);
  gPresetConfig.working = nullptr;
  gPresetConfig.workingScales = nullptr;
  g.dragListMessage = -1;
  return result;
}

INT_PTR PresetConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (gPlugin->dragListMessage != -1 && message == static_cast<UINT>(gPlugin->dragListMessage)) {
    const auto* info = reinterpret_cast<const DRAGLISTINFO*>(lParam);
    if (info != nullptr && info->uNotification == DL_BEGINDRAG) TrackPresetRowDrag(dialog, info);
    EnablePresetButtons(dialog);
    SetWindowLongPtr(dialog, DWLP_MSGRESULT, FALSE);  // the drag was tracked here
    return TRUE;
  }
  switch (message) {
    case WM_INITDIALOG:
      InitPresetConfigDialog(dialog);
      return TRUE;
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (measure == nullptr) return FALSE;
      measure->itemHeight = measure->CtlID == kPresetList ? kPresetListRowHeight : kPresetComboRowHeight;
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item == nullptr) return FALSE;
      if (item->CtlID == kPresetList) DrawPresetListItem(item);
      if (item->CtlID == kPresetFileCombo) DrawPresetComboItem(item);
      return TRUE;
    }
    case WM_COMMAND:
      OnPresetConfigCommand(dialog, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case kPresetSaveMessage:
      SavePresetFile(dialog);
      return TRUE;
    case kPresetSaveAsMessage:
      SavePresetFileAs(dialog);
      return TRUE;
    case kPresetDeleteFileMessage:
      DeletePresetFile(dialog);
      return TRUE;
    default:
      return FALSE;
  }
}

LRESULT SendPresetConfigDlgItemMessage(HWND dialog, int control, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendDlgItemMessage(dialog, control, message, wParam, lParam);
}

int GetPresetConfigListCurSel(HWND dialog, int noSelection) {
  if (noSelection != 0) return -1;
  const LRESULT row = SendPresetConfigDlgItemMessage(dialog, kPresetList, LB_GETCURSEL, 0, 0);
  return row >= 0 ? static_cast<int>(row) : -1;
}

void CopyPresetConfigStringLeft(char* destination, const char* source, int count) {
  if (count < 0) count = 0;
  CopyTextCutValidTrail(destination, static_cast<size_t>(count) + 1, source);
}

int AbsInt(int value) { return value < 0 ? -value : value; }
