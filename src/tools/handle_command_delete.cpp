#include <cstring>

#include "common/plugin_globals.h"
#include "engine/grading_edit.h"
#include "panels/inf_panel_list.h"
#include "panels/panel_controls.h"
#include "panels/variable_commands.h"
#include "panels/variable_registration.h"
#include "resources/undo_text_pairs.h"
#include "tools/handle_commands.h"
#include "tools/handle_groups.h"
#include "win_api.h"

namespace {

constexpr int kMeasurementVariables = 4;  // distance, angle, length, radius

// Drops the variables a measurement handle measures into; 1 when it was one.
bool ForgetMeasuredVariables(const RevisionHandle& handle) {
  if (handle.kind != kHandleMeasurement) return false;
  for (int i = 0; i < kMeasurementVariables; ++i) {
    char name[kExprSize];
    std::memcpy(name, handle.line.amountExpr[i], sizeof name);
    name[kExprSize - 1] = '\0';
    if (name[0] != '\0') RegisterVariable(gPlugin->pluginRef, name, "", "", 0);
  }
  return true;
}

// Removes slots s..s+n-1, moving the later ones down and freeing the last n.
void RemoveSlots(int32_t s, int32_t n) {
  RevisionHandle* handles = gPlugin->handles;
  std::memmove(&handles[s], &handles[s + n],
               static_cast<size_t>(kMaxHandles - s - n) * sizeof(RevisionHandle));
  std::memset(&handles[kMaxHandles - n], 0, static_cast<size_t>(n) * sizeof(RevisionHandle));
}

void LowerRowsAbove(HWND list, int32_t s, int32_t n) {
  const auto rows = static_cast<int32_t>(SendMessage(list, LB_GETCOUNT, 0, 0));
  for (int32_t row = 0; row < rows; ++row) {
    const intptr_t data = ListGetItemData(list, row);
    if (data > s) ListSetItemData(list, row, data - n);
  }
}

}  // namespace

void DeleteSelectedHandles(HWND panelWindow) {
  HWND list = GetDlgItem(panelWindow, kPanelListId);
  if (list == nullptr) return;
  PluginGlobals& g = *gPlugin;
  bool deleted = false;
  bool variablesChanged = false;
  int16_t skip = 0;
  for (int32_t row; (row = ListGetCurSel(list, skip)) >= 0;) {
    const intptr_t data = ListGetItemData(list, row);
    // The basic-settings row, or a row out of step with the table, ends it.
    if (data < 0 || data >= kMaxHandles || g.handles[data].kind == kHandleFree) {
      skip = 1;
      continue;
    }
    const auto s = static_cast<int32_t>(data);
    if (SendMessage(list, LB_DELETESTRING, static_cast<WPARAM>(row), 0) == LB_ERR) break;
    const int32_t n = GroupSlotCount(s);
    for (int32_t k = s; k < s + n; ++k) variablesChanged |= ForgetMeasuredVariables(g.handles[k]);
    RemoveSlots(s, n);
    LowerRowsAbove(list, s, n);
    deleted = true;
  }
  if (deleted) {
    StoreAfterEdit(kUndoDeleteRevisionHandle);
    if (variablesChanged) FillVarList();
    EnableInfHandleButtons(panelWindow);
  }
  UpdateInfGroupingItems();
}
