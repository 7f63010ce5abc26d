#include <cstdio>
#include <cstring>

#include "common/owner_draw_paint.h"
#include "common/plugin_globals.h"
#include "geometry/numeric.h"
#include "resources/simple_grading_resource_ids.h"
#include "simple_grading/simple_grading_dialogs.h"
#include "store/size_table_row.h"
#include "store/sizes_from_variables.h"
#include "store/text_fields.h"

namespace {

constexpr int kCellTextSize = 80;     // 79 characters and a NUL
constexpr int kComboStringSize = 62;  // 61 bytes and a NUL
constexpr COLORREF kDisabledGray = RGB(127, 127, 127);
constexpr COLORREF kSelectedFill = RGB(211, 211, 211);

int CellId(int row, int column) { return kSizeTableFirstCell + 10 * row + column; }

int IsCommandDisabled(HWND combo, int row) {
  const int count = static_cast<int>(SendMessage(combo, CB_GETCOUNT, 0, 0));
  const bool saveOrDelete = row == count - 3 || row == count - 1;
  return saveOrDelete && std::strcmp(gPlugin->sizeTableName, kUntitledSizeTable) == 0;
}

}  // namespace

void FillSizeTableControls(HWND dialog) {
  PluginGlobals* g = gPlugin;
  const int basic = g->simpleGrading.grading_basic_size;
  HWND basicCombo = GetDlgItem(dialog, kSizeTableBasicCombo);
  SendMessage(basicCombo, CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < kSizeTableRows; ++i) {
    char label[kNameSize];
    SizeTableRowName(i, label, sizeof label);
    SetDlgItemText(dialog, kSizeTableRowLabel + 10 * i, label);
    SendMessage(basicCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));
    const SizeTableRow& row = g->sizeTable[i];
    for (int j = 0; j < kSizeTableColumns; ++j) {
      char text[64] = "";
      if (SizeTableCell(row, j) != 0)
        std::snprintf(text, sizeof text, "%g", SinglePrecision(SizeTableCell(row, j)));
      SetDlgItemText(dialog, CellId(i, j), text);
    }
    EnableWindow(GetDlgItem(dialog, CellId(i, 0)), i != basic);
  }
  SendMessage(basicCombo, CB_SETCURSEL, static_cast<WPARAM>(basic), 0);
}

void ReadSizeTableControls(HWND dialog) {
  PluginGlobals* g = gPlugin;
  for (int i = 0; i < kSizeTableRows; ++i) {
    for (int j = 0; j < kSizeTableColumns; ++j) {
      char text[kCellTextSize] = {};
      GetDlgItemText(dialog, CellId(i, j), text, sizeof text);
      SizeTableCell(g->sizeTable[i], j) = TextToReal(text);
    }
  }
  const LRESULT basic = SendSizeTableDlgItemMessage(dialog, kSizeTableBasicCombo, CB_GETCURSEL, 0, 0);
  // No row chosen keeps the basic size a valid row.
  if (basic >= 0 && basic < kSizeTableRows) g->simpleGrading.grading_basic_size = static_cast<int16_t>(basic);
}

LRESULT SendSizeTableDlgItemMessage(HWND dialog, int controlId, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessage(GetDlgItem(dialog, controlId), message, wParam, lParam);
}

void AddResourceStringsToSizeTableCombo(HWND dialog, int controlId, UINT firstStringId, int count) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtr(dialog, GWLP_HINSTANCE));
  for (int i = 0; i < count; ++i) {
    char text[kComboStringSize] = {};
    LoadString(instance, firstStringId + static_cast<UINT>(i), text, sizeof text);
    SendSizeTableDlgItemMessage(dialog, controlId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
}

void CopySizeTableStringLeft(const char* source, int count, char* destination) {
  if (source == nullptr || destination == nullptr) return;
  int n = 0;
  while (n < count && source[n] != '\0') ++n;
  std::memcpy(destination, source, static_cast<size_t>(n));
  destination[n] = '\0';
}

int FindSizeTableSubstringIndex(const char* text, const char* pattern) {
  if (text == nullptr || pattern == nullptr) return -1;
  const char* found = std::strstr(text, pattern);
  return found != nullptr ? static_cast<int>(found - text) : -1;
}

int GetSizeTableComboText(HWND combo, int row, char* out, int size) {
  if (size <= 0) return 0;
  out[0] = '\0';
  const LRESULT length = SendMessage(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length < 0 || length >= size) return 0;
  return SendMessage(combo, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(out)) >= 0;
}

void DrawSizeTableComboItem(const DRAWITEMSTRUCT* item) {
  if (item == nullptr || static_cast<int>(item->itemID) < 0) return;
  HDC dc = item->hDC;
  const RECT& r = item->rcItem;
  char text[256];
  GetSizeTableComboText(item->hwndItem, static_cast<int>(item->itemID), text, sizeof text);
  if (text[0] == '\0' || text[0] == '-') {
    DrawRowSeparator(dc, r, kDisabledGray);
    return;
  }
  const bool enabled = !IsCommandDisabled(item->hwndItem, static_cast<int>(item->itemID));
  FillSolid(dc, r, enabled && (item->itemState & ODS_SELECTED) ? kSelectedFill : RGB(255, 255, 255));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled ? RGB(0, 0, 0) : kDisabledGray);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  const int length = static_cast<int>(std::strlen(text));
  SIZE extent{};
  GetTextExtentPoint32(dc, text, length, &extent);
  TextOut(dc, r.left + 2, r.top + (r.bottom - r.top - extent.cy) / 2, text, length);
  if (enabled && (item->itemState & ODS_FOCUS)) DrawFocusRect(dc, &r);
}
