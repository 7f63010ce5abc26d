// Reordering the preset list by dragging a row onto another.
#include "panels/preset_config_dialog_internal.h"
#include "resources/preset_dialog_resources.h"

namespace {

constexpr int kDragThreshold = 9;

bool LeftButtonDown() { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }

// The rectangle of the row under the cursor, empty outside the rows.
int RowUnderCursor(HWND list, POINT cursor, RECT* rect) {
  SetRectEmpty(rect);
  const int row = LBItemFromPt(list, cursor, FALSE);
  if (row < 0 ||
      SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(rect)) == LB_ERR) {
    SetRectEmpty(rect);
    return -1;
  }
  return row;
}

void MoveFrame(HDC dc, const RECT& to) {
  PresetConfigDialogState& s = gPresetConfig;
  if (EqualRect(&s.dragFrame, &to)) return;
  if (s.frameShown) DrawXorFrame(dc, &s.dragFrame);
  s.dragFrame = to;
  s.frameShown = !IsRectEmpty(&to);
  if (s.frameShown) DrawXorFrame(dc, &s.dragFrame);
}

}  // namespace

void TrackPresetRowDrag(HWND dialog, const DRAGLISTINFO* info) {
  PresetConfigDialogState& s = gPresetConfig;
  HWND list = GetDlgItem(dialog, kPresetList);
  if (list == nullptr || info->hWnd != list || !LeftButtonDown()) return;
  POINT start{};
  GetCursorPos(&start);
  RECT listRect{};
  GetWindowRect(list, &listRect);
  s.dragInside = PtInRect(&listRect, start) ? 1 : 0;
  if (!s.dragInside) return;

  s.dragSource = RowUnderCursor(list, start, &s.dragStartRow);
  s.dragTarget = -1;
  s.dragging = 1;
  s.dragMoved = 0;
  s.frameShown = 0;
  SetRectEmpty(&s.dragFrame);
  HDC dc = GetDC(list);
  while (LeftButtonDown()) {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (!s.dragMoved && AbsInt(cursor.x - start.x) < kDragThreshold &&
        AbsInt(cursor.y - start.y) < kDragThreshold)
      continue;
    s.dragMoved = 1;
    RECT row{};
    s.dragTarget = RowUnderCursor(list, cursor, &row);
    MoveFrame(dc, row);
  }
  RECT none{};
  MoveFrame(dc, none);
  ReleaseDC(list, dc);
  s.dragging = 0;

  MSG pending{};
  while (PeekMessage(&pending, list, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
  PostMessage(list, WM_LBUTTONUP, 0, 0);
  if (s.dragSource < 0 || s.dragTarget < 0 || s.dragSource == s.dragTarget) return;
  const LRESULT slot = SendMessage(list, LB_GETITEMDATA, static_cast<WPARAM>(s.dragSource), 0);
  SendMessage(list, LB_DELETESTRING, static_cast<WPARAM>(s.dragSource), 0);
  SendMessage(list, LB_INSERTSTRING, static_cast<WPARAM>(s.dragTarget), slot);
  SendMessage(list, LB_SETCURSEL, static_cast<WPARAM>(s.dragTarget), 0);
}
