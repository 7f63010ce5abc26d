#include "panels/panel_window_procs.h"

#include "common/deferred_command.h"
#include "common/plugin_globals.h"
#include "common/suite_table.h"
#include "panels/inf_panel_list.h"
#include "panels/panel_controls.h"
#include "panels/var_panel_list.h"
#include "win_api.h"

namespace {

struct PanelProc {
  PanelWindowState PluginGlobals::*state;
  uint32_t commandCode;
  UINT rowHeight;
  void (*paintListRow)(const DRAWITEMSTRUCT* item);
  void (*onTimer)(HWND window);  // null: the timer is only passed on
};

// Painting a row runs the grading engine, so it waits for a host call.
void DeferInfoRowPainting(const DRAWITEMSTRUCT* item) {
  const OwnerDrawRecord record = {
      item->CtlType,   item->CtlID,
      item->itemID,    item->itemAction,
      item->itemState, item->hwndItem,
      item->hDC,       {item->rcItem.left, item->rcItem.top, item->rcItem.right, item->rcItem.bottom},
      item->itemData};
  PostDeferredCommand(kDeferredPaintInfItem, 0, 0, &record);
}

void UpdateInfoControlsOnTimer(HWND window) {
  SPBasicSuite* basic = gPlugin->basicAtCallback;
  if (basic == nullptr) return;
  if (AcquireSuites(basic) == kNoErr) UpdateToolDependentState(window);
  ReleaseSuites(basic);
}

const PanelProc kInfoProc = {&PluginGlobals::infPanelState, kDeferredInfPanelCommand, kInfoRowHeight,
                             DeferInfoRowPainting, UpdateInfoControlsOnTimer};
const PanelProc kVariableProc = {&PluginGlobals::varPanelState, kDeferredVarPanelCommand, kVariableRowHeight,
                                 PaintVariablePanelItem, nullptr};

LRESULT PanelWndProc(const PanelProc& proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (gPlugin == nullptr) return DefWindowProc(window, message, wParam, lParam);
  const PanelWindowState& state = gPlugin->*proc.state;
  switch (message) {
    case WM_COMMAND:
      PostDeferredCommand(proc.commandCode, LOWORD(wParam), HIWORD(wParam), nullptr);
      return 0;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (state.backgroundBrush == nullptr || item == nullptr) break;
      if (item->CtlID == kPanelListId) {
        proc.paintListRow(item);
      } else {
        PaintPanelButton(state, item);
      }
      return 0;
    }
    case WM_MEASUREITEM:
      if (auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)) measure->itemHeight = proc.rowHeight;
      break;
    case WM_TIMER:
      if (proc.onTimer != nullptr) proc.onTimer(window);
      break;
    case WM_CTLCOLORLISTBOX: {
      if (state.backgroundBrush == nullptr) break;
      auto dc = reinterpret_cast<HDC>(wParam);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, ThemeColorRef(gPlugin->themeText));
      return reinterpret_cast<LRESULT>(state.backgroundBrush);
    }
    default:
      break;
  }
  if (state.savedWndProc == nullptr) return DefWindowProc(window, message, wParam, lParam);
  return CallWindowProc(state.savedWndProc, window, message, wParam, lParam);
}

}  // namespace

LRESULT InfoPanelWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return PanelWndProc(kInfoProc, window, message, wParam, lParam);
}

LRESULT VariablePanelWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return PanelWndProc(kVariableProc, window, message, wParam, lParam);
}
