#include "tools/handle_commands.h"

#include <cstdio>
#include <initializer_list>

#include "common/dialog_result.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/grading_edit.h"
#include "engine/preview_builder.h"
#include "panels/inf_panel_list.h"
#include "panels/panel_controls.h"
#include "panels/update_grading_command.h"
#include "panels/variable_commands.h"
#include "resources/undo_text_pairs.h"
#include "tools/basic_settings_dialog.h"
#include "tools/handle_dialogs.h"
#include "win_api.h"

namespace {

constexpr int kLockOffIcon = 3;
constexpr int kLockOnIcon = 4;

// Opens the dialog of the current row: the handle (group) it stands for, or
// the basic settings.
void EditCurrentRow(HWND list) {
  const int32_t row = ListGetCurSel(list, 0);
  if (row < 0) return;
  const intptr_t data = ListGetItemData(list, row);
  if (data == -1) {
    EditBasicSettings();
    return;
  }
  PluginGlobals& g = *gPlugin;
  // A row out of step with the table opens nothing.
  if (data < 0 || data >= kMaxHandles || g.handles[data].kind == kHandleFree) return;
  const auto slot = static_cast<int32_t>(data);
  const int16_t kind = g.handles[slot].kind;
  int32_t result = 0;
  if (kind == kHandlePoint) {
    result = ShowPointRevisionDialog(g.pluginRef, slot);
  } else if (kind == kHandleMeasurement) {
    result = ShowMeasurementDialog(g.pluginRef, slot);
  } else {
    result = ShowRevisionDialog(g.pluginRef, slot);
  }
  if (result != kDialogOk) return;
  RECT rect{};
  if (SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) != LB_ERR)
    InvalidateRect(list, &rect, FALSE);
  StoreAfterEdit(kUndoEditRevisionHandle);
  if (kind == kHandleMeasurement) FillVarList();
}

void ToggleHandleLock(HWND panelWindow) {
  PluginGlobals& g = *gPlugin;
  g.handlesLocked = g.handlesLocked == 0 ? 1 : 0;
  HWND button = GetDlgItem(panelWindow, kNewOrLockButtonId);
  if (button == nullptr) return;
  char text[8];
  std::snprintf(text, sizeof text, "%d", g.handlesLocked != 0 ? kLockOnIcon : kLockOffIcon);
  SetWindowText(button, text);
  InvalidateRect(button, nullptr, FALSE);
}

// Sets the selection flag of a slot and of every used slot of its group.
void SelectHandleGroup(int32_t slot, int16_t selected) {
  RevisionHandle* handles = gPlugin->handles;
  handles[slot].listSelected = selected;
  const uint32_t group = handles[slot].groupId;
  if (group == 0) return;
  for (int32_t s = 0; s < kMaxHandles; ++s) {
    if (handles[s].kind != kHandleFree && handles[s].groupId == group) handles[s].listSelected = selected;
  }
}

int16_t RowSelected(HWND list, int32_t row) {
  return SendMessage(list, LB_GETSEL, static_cast<WPARAM>(row), 0) > 0 ? 1 : 0;
}

}  // namespace

int32_t ListGetCurSel(HWND list, int16_t skip) {
  if (skip != 0 || list == nullptr) return -1;
  const LRESULT row = SendMessage(list, LB_GETCURSEL, 0, 0);
  return row < 0 ? -1 : static_cast<int32_t>(row);
}

void EnableInfHandleButtons(HWND panelWindow) {
  HWND list = GetDlgItem(panelWindow, kPanelListId);
  const int32_t row = ListGetCurSel(list, 0);
  const BOOL enable = row >= 0 && ListGetItemData(list, row) != -1 ? TRUE : FALSE;
  for (int id : {kDeleteButtonId, kEditButtonId}) {
    if (HWND button = GetDlgItem(panelWindow, id)) EnableWindow(button, enable);
  }
}

void UpdateInfButtons(HWND panelWindow) {
  HWND list = GetDlgItem(panelWindow, kPanelListId);
  if (list == nullptr) return;
  PluginGlobals& g = *gPlugin;
  bool changed = false;
  const auto rows = static_cast<int32_t>(SendMessage(list, LB_GETCOUNT, 0, 0));
  int32_t basicRow = -1;
  for (int32_t row = 0; row < rows; ++row) {
    const intptr_t data = ListGetItemData(list, row);
    if (data == -1) basicRow = row;
    if (data < 0 || data >= kMaxHandles || g.handles[data].kind == kHandleFree) continue;
    const int16_t selected = RowSelected(list, row);
    if (g.handles[data].listSelected == selected) continue;
    SelectHandleGroup(static_cast<int32_t>(data), selected);
    g.grading_selected = 0;
    changed = true;
  }
  // Taken after the handle rows, so that picking the basic row after a
  // handle row leaves the origin selected.
  if (basicRow >= 0 && RowSelected(list, basicRow) != g.grading_selected) {
    if (RowSelected(list, basicRow) != 0) g.grading_selected = 1;
    changed = true;
  }
  EnableInfHandleButtons(panelWindow);
  UpdateInfGroupingItems();
  if (!changed) return;
  BuildGradingPreview(0, 0);
  if (sAIUndo != nullptr) sAIUndo->SetSilent(1);
}

// Runs only while the panel exists (the deferred command's runner sees to
// it); a window the host could not give leaves the list and buttons alone.
void RunInfPanelCommand(HWND panelWindow, uint16_t controlId, uint16_t notification) {
  if (gPlugin == nullptr) return;
  switch (controlId) {
    case kPanelListId:
      if (notification == LBN_DBLCLK) {
        EditCurrentRow(GetDlgItem(panelWindow, kPanelListId));
      } else {
        UpdateInfButtons(panelWindow);
      }
      break;
    case kDeleteButtonId:
      DeleteSelectedHandles(panelWindow);
      break;
    case kEditButtonId:
      EditCurrentRow(GetDlgItem(panelWindow, kPanelListId));
      break;
    case kNewOrLockButtonId:
      ToggleHandleLock(panelWindow);
      break;
    case kUpdateButtonId:
      RunUpdateGradingCommand();
      break;
    default:
      break;
  }
}
