#include "panels/panel_list_drag.h"

#include <cstdlib>

#include "common/plugin_globals.h"
#include "panels/inf_panel_list.h"
#include "panels/panel_controls.h"
#include "panels/panel_windows.h"
#include "panels/variable_commands.h"
#include "win_api.h"

namespace {

constexpr int kPressSteadiness = 3;  // px the cursor may have moved since the last tick
constexpr int kDragThreshold = 8;    // px from the press point before a drag shows

// The panel's list when the cursor lies over it.
HWND ListUnderCursor(HWND panelWindow, POINT screen) {
  if (panelWindow == nullptr) return nullptr;
  HWND list = GetDlgItem(panelWindow, kPanelListId);
  if (list == nullptr) return nullptr;
  POINT p = screen;
  ScreenToClient(list, &p);
  RECT client{};
  GetClientRect(list, &client);
  return PtInRect(&client, p) ? list : nullptr;
}

// The whole answer: a point off the rows has its high word set, so it is no row.
LRESULT ItemFromPoint(HWND list, POINT client) {
  return SendMessage(list, LB_ITEMFROMPOINT, 0,
                     MAKELPARAM(static_cast<WORD>(client.x), static_cast<WORD>(client.y)));
}

void RemovePendingMessages(HWND list, UINT first, UINT last) {
  MSG msg;
  while (PeekMessage(&msg, list, first, last, PM_REMOVE)) {
  }
}

int32_t RowOf(LRESULT item, LRESULT count) {
  return item >= 0 && item < count ? static_cast<int32_t>(item) : -1;
}

int32_t ItemDataOf(HWND list, int32_t row) {
  return row < 0 ? -1 : static_cast<int32_t>(SendMessage(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0));
}

}  // namespace

void XorFrameRect(HWND list, const RECT* rect) {
  HDC dc = GetDC(list);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  const int oldRop = SetROP2(dc, R2_NOT);
  MoveToEx(dc, rect->left, rect->top, nullptr);
  LineTo(dc, rect->right, rect->top);
  LineTo(dc, rect->right, rect->bottom);
  LineTo(dc, rect->left, rect->bottom);
  LineTo(dc, rect->left, rect->top);
  SetROP2(dc, oldRop);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  ReleaseDC(list, dc);
}

void TrackPanelListDrag(HWND varWindow, HWND infWindow) {
  if (gPlugin == nullptr) return;
  ScreenPoint& lastCursor = gPlugin->listDrag.lastCursor;
  POINT cursor{};
  if (!LeftMouseButtonDown()) {
    GetCursorPos(&cursor);
    lastCursor = {cursor.x, cursor.y};
    return;
  }
  GetCursorPos(&cursor);
  if (std::abs(cursor.x - lastCursor.x) >= kPressSteadiness ||
      std::abs(cursor.y - lastCursor.y) >= kPressSteadiness)
    return;

  HWND varList = ListUnderCursor(varWindow, cursor);
  HWND infList = ListUnderCursor(infWindow, cursor);
  HWND list = infList != nullptr ? infList : varList;
  if (list == nullptr) return;

  const LRESULT count = SendMessage(list, LB_GETCOUNT, 0, 0);
  POINT press = cursor;
  ScreenToClient(list, &press);
  const LRESULT source = ItemFromPoint(list, press);
  LRESULT target = -1;
  RECT marker{};
  while (LeftMouseButtonDown()) {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(list, &p);
    if (std::abs(p.x - press.x) > kDragThreshold || std::abs(p.y - press.y) > kDragThreshold) {
      target = ItemFromPoint(list, p);
      RECT rect{};
      if (RowOf(target, count) >= 0)
        SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(target), reinterpret_cast<LPARAM>(&rect));
      // A first row at the top of the list shares its top with "no marker".
      if (rect.top != marker.top || IsRectEmpty(&rect) != IsRectEmpty(&marker)) {
        if (marker.right > marker.left) XorFrameRect(list, &marker);
        if (rect.right > rect.left) XorFrameRect(list, &rect);
        marker = rect;
      }
    }
    RemovePendingMessages(list, WM_MOUSEMOVE, WM_MOUSEMOVE);
  }
  if (marker.right <= marker.left) return;

  const int32_t sourceRow = RowOf(source, count);
  const int32_t sourceData = ItemDataOf(list, sourceRow);
  const int32_t targetRow = RowOf(target, count);
  const int32_t targetData = ItemDataOf(list, targetRow);
  XorFrameRect(list, &marker);
  // The list still waits for the release that the loop above swallowed.
  RemovePendingMessages(list, WM_MOUSEFIRST, WM_MOUSELAST);
  PostMessage(list, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(press.x), static_cast<WORD>(press.y)));
  if (sourceRow == targetRow || sourceRow == -1 || targetRow == -1) return;
  if (infList == nullptr) {
    ReorderVariables(targetRow, targetData, sourceRow, sourceData);
  } else {
    ReorderRevisionHandles(targetRow, targetData, sourceRow, sourceData);
  }
  InvalidateRect(list, nullptr, FALSE);
}
