#include "panels/inf_panel_list.h"

#include <cstdlib>
#include <cstring>

#include "common/suite_pointers.h"
#include "engine/grading_edit.h"
#include "panels/panel_controls.h"
#include "resources/undo_text_pairs.h"
#include "tools/handle_groups.h"
#include "tools/tool_utilities.h"
#include "win_api.h"

namespace {

constexpr uint32_t kGroupItem = 1;
constexpr uint32_t kUngroupItem = 2;
constexpr uint32_t kToolItems[] = {4, 5, 9, 10};

bool Used(const RevisionHandle& h) { return h.kind != kHandleFree; }

// Slots that start a row, in slot order; returns their count.
int32_t CollectRowHeads(int32_t* heads) {
  const RevisionHandle* handles = gPlugin->handles;
  int32_t count = 0;
  uint32_t headGroup = 0;
  for (int32_t slot = 0; slot < kMaxHandles; ++slot) {
    const RevisionHandle& h = handles[slot];
    if (!Used(h)) continue;
    if (h.groupId != 0 && count > 0 && h.groupId == headGroup) continue;
    headGroup = h.groupId;
    heads[count++] = slot;
  }
  return count;
}

bool BasicRowFirst(HWND list) {
  return SendMessage(list, LB_GETCOUNT, 0, 0) > 0 && ListGetItemData(list, 0) == -1;
}

// The list takes one selected row only: the first flagged row becomes the
// current one, so what the tools selected still shows and buttons follow.
struct RowSelection {
  HWND list;
  bool single = false;
  int32_t firstFlagged = -1;

  void Set(int32_t row, int16_t flag) {
    if (SendMessage(list, LB_SETSEL, flag != 0, row) == LB_ERR) single = true;
    if (flag != 0 && firstFlagged < 0) firstFlagged = row;
  }
  void Finish() const {
    if (single) SendMessage(list, LB_SETCURSEL, static_cast<WPARAM>(firstFlagged), 0);
  }
};

void EnableDlgItem(HWND window, int id, bool enable) {
  if (HWND control = GetDlgItem(window, id)) EnableWindow(control, enable ? TRUE : FALSE);
}

}  // namespace

HWND InfPanelWindow() {
  if (gPlugin == nullptr || gPlugin->infPanel == nullptr || sAIPanel == nullptr) return nullptr;
  HWND window = nullptr;
  if (sAIPanel->GetPlatformWindow(gPlugin->infPanel, &window) != kNoErr) return nullptr;
  return window;
}

HWND InfListWindow() {
  HWND window = InfPanelWindow();
  return window != nullptr ? GetDlgItem(window, kPanelListId) : nullptr;
}

intptr_t ListGetItemData(HWND list, int32_t row) {
  return SendMessage(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
}

void ListSetItemData(HWND list, int32_t row, intptr_t value) {
  SendMessage(list, LB_SETITEMDATA, static_cast<WPARAM>(row), value);
}

void UpdateToolDependentState(HWND window) {
  if (gPlugin == nullptr || window == nullptr) return;
  PluginGlobals& g = *gPlugin;
  ToolHandle selected = nullptr;
  if (sAITool == nullptr || sAITool->GetSelectedTool(&selected) != kNoErr) selected = nullptr;
  int ownTool = 0;
  for (int i = 0; i < kToolSlots && selected != nullptr; ++i) {
    if (g.toolHandles[i] == selected) {
      ownTool = i + 1;
      break;
    }
  }
  const bool updateEnabled = ownTool != 0 && g.pieceArtCount != 0;
  HWND update = GetDlgItem(window, kUpdateButtonId);
  if (update != nullptr && (IsWindowEnabled(update) != FALSE) != updateEnabled)
    EnableWindow(update, updateEnabled ? TRUE : FALSE);
  if (sAIPanelFlyoutMenu == nullptr || g.infFlyout == nullptr) return;
  for (uint32_t item : kToolItems) sAIPanelFlyoutMenu->SetItemEnabled(g.infFlyout, item, ownTool != 0);
}

void InsertHandleRow(int32_t slot) {
  HWND list = InfListWindow();
  if (list == nullptr || slot < 0 || slot >= kMaxHandles) return;
  int32_t heads[kMaxHandles];
  const int32_t count = CollectRowHeads(heads);
  int32_t row = -1;
  for (int32_t i = 0; i < count; ++i) {
    if (heads[i] == slot) row = i;
  }
  if (row < 0) return;
  if (BasicRowFirst(list)) ++row;
  // A list out of step with the table cannot take the row where it belongs.
  if (row > SendMessage(list, LB_GETCOUNT, 0, 0)) {
    RebuildInfList();
    return;
  }
  SendMessage(list, LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>("dummy"));
  ListSetItemData(list, row, slot);
  RowSelection selection{list};
  selection.Set(row, gPlugin->handles[slot].listSelected);
  // Only a selected new row may take the current row from another.
  if (selection.firstFlagged >= 0) selection.Finish();
}

void InvalidateInfList() {
  if (HWND list = InfListWindow()) InvalidateRect(list, nullptr, FALSE);
}

void RebuildInfList() {
  HWND list = InfListWindow();
  if (list == nullptr) return;
  PluginGlobals& g = *gPlugin;
  int32_t heads[kMaxHandles];
  const int32_t headCount = CollectRowHeads(heads);
  const int32_t first = g.pieceArtCount != 0 ? 1 : 0;
  const int32_t rows = headCount + first;
  int32_t have = static_cast<int32_t>(SendMessage(list, LB_GETCOUNT, 0, 0));
  for (; have < rows; ++have) SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("dummy"));
  for (; have > rows; --have) SendMessage(list, LB_DELETESTRING, static_cast<WPARAM>(have - 1), 0);

  RowSelection selection{list};
  if (first != 0) {
    ListSetItemData(list, 0, -1);
    selection.Set(0, 0);
  }
  for (int32_t i = 0; i < headCount; ++i) {
    ListSetItemData(list, first + i, heads[i]);
    selection.Set(first + i, g.handles[heads[i]].listSelected);
  }
  selection.Finish();
  UpdateInfGroupingItems();
}

void SyncInfSelection() {
  HWND window = InfPanelWindow();
  HWND list = window != nullptr ? GetDlgItem(window, kPanelListId) : nullptr;
  if (list == nullptr) return;
  PluginGlobals& g = *gPlugin;
  const int32_t rows = static_cast<int32_t>(SendMessage(list, LB_GETCOUNT, 0, 0));
  RowSelection selection{list};
  for (int32_t row = 0; row < rows; ++row) {
    const intptr_t data = ListGetItemData(list, row);
    if (data == -1) {
      selection.Set(row, g.grading_selected);
    } else if (data >= 0 && data < kMaxHandles) {
      selection.Set(row, g.handles[data].listSelected);
    }
  }
  selection.Finish();
  const LRESULT current = SendMessage(list, LB_GETCURSEL, 0, 0);
  const bool onHandle =
      current >= 0 && current < rows && ListGetItemData(list, static_cast<int32_t>(current)) != -1;
  EnableDlgItem(window, kDeleteButtonId, onHandle);
  EnableDlgItem(window, kEditButtonId, onHandle);
  UpdateInfGroupingItems();
}

void UpdateInfGroupingItems() {
  PluginGlobals& g = *gPlugin;
  int32_t count = 0;
  int32_t kind = 0;
  uint32_t lastGroup = 0;
  for (const RevisionHandle& h : g.handles) {
    if (!Used(h) || h.listSelected == 0) continue;
    kind = count == 0 ? h.kind : (kind == h.kind ? kind : -1);
    ++count;
    if (h.groupId != 0) lastGroup = h.groupId;
  }
  if (sAIPanelFlyoutMenu == nullptr || g.infFlyout == nullptr) return;
  const bool groupable = count >= 2 && (kind == kHandleDistance || kind == kHandlePoint);
  sAIPanelFlyoutMenu->SetItemEnabled(g.infFlyout, kGroupItem, groupable);
  sAIPanelFlyoutMenu->SetItemEnabled(g.infFlyout, kUngroupItem, lastGroup != 0);
}

void ReorderRevisionHandles(int32_t targetRow, int32_t targetSlot, int32_t sourceRow, int32_t sourceSlot) {
  if (gPlugin == nullptr || targetRow == sourceRow) return;
  // The basic-settings row, or a row whose data went stale, moves nothing.
  if (targetSlot < 0 || targetSlot >= kMaxHandles || sourceSlot < 0 || sourceSlot >= kMaxHandles ||
      targetSlot == sourceSlot) {
    Beep();
    return;
  }
  PluginGlobals& g = *gPlugin;
  RevisionHandle* handles = g.handles;
  const int32_t k = GroupSlotCount(sourceSlot);
  auto* scratch = static_cast<RevisionHandle*>(std::calloc(kMaxHandles, sizeof(RevisionHandle)));
  if (scratch == nullptr) return;
  std::memcpy(scratch, &handles[sourceSlot], k * sizeof(RevisionHandle));
  const uint32_t targetGroup = handles[targetSlot].groupId;

  for (int32_t s = sourceSlot; s <= kMaxHandles - 1 - k; ++s) handles[s] = handles[s + k];

  int32_t d = targetSlot;
  if (sourceSlot < targetSlot) {
    d = d - k + 1;
    while (targetGroup != 0 && d < kMaxHandles && Used(handles[d]) && handles[d].groupId == targetGroup) ++d;
  }
  if (d > kMaxHandles - k) d = kMaxHandles - k;

  for (int32_t s = kMaxHandles - 1; s >= d + k; --s) handles[s] = handles[s - k];
  std::memcpy(&handles[d], scratch, k * sizeof(RevisionHandle));
  std::free(scratch);

  StoreAfterEdit(kUndoReplaceHandleText);
  RebuildInfList();
}
