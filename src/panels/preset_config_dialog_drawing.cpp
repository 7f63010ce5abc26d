// Painting of the preset configuration dialog: the preset rows with their
// number, name and check box, the file combo box rows and the drag frame.
#include <cstdio>
#include <cstring>

#include "common/owner_draw_paint.h"
#include "common/plugin_globals.h"
#include "panels/preset_config_dialog_internal.h"
#include "resources/preset_dialog_resources.h"
#include "text/shift_jis_chars.h"
#include "text/string_limits.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGridColour = 0x808080;
constexpr COLORREF kGreyedTextColour = 0x7F7F7F;
constexpr int kNumberColumnWidth = 30;
constexpr int kBaselineBelowTop = 13;
constexpr char kEllipsis[] = "...";

void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void DrawCheckBox(HDC dc, const RECT& row, bool checked) {
  RECT box{row.right - kPresetListRowHeight, row.top, row.right, row.top + kPresetListRowHeight};
  InflateRect(&box, -3, -3);
  FillSolid(dc, box, kWhite);
  HBRUSH frame = CreateSolidBrush(kGridColour);
  FrameRect(dc, &box, frame);
  DeleteObject(frame);
  if (!checked) return;
  HPEN pen = CreatePen(PS_SOLID, 2, kBlack);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, box.left + 3, box.top + 6, nullptr);
  LineTo(dc, box.left + 6, box.bottom - 4);
  LineTo(dc, box.right - 3, box.top + 3);
  SelectObject(dc, old);
  DeleteObject(pen);
}

int TextWidth(HDC dc, const char* text, int length) {
  SIZE size{};
  GetTextExtentPoint32(dc, text, length, &size);
  return size.cx;
}

// The text of a combo row, or an empty text when it does not fit.
void ComboRowText(HWND combo, UINT row, char* out, int size) {
  out[0] = '\0';
  const LRESULT length = SendMessage(combo, CB_GETLBTEXTLEN, row, 0);
  if (length >= 0 && length < size) SendMessage(combo, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(out));
}

}  // namespace

void DrawPresetListItem(const DRAWITEMSTRUCT* item) {
  const int slot = static_cast<int>(item->itemData);
  if (item->itemID == static_cast<UINT>(-1) || gPresetConfig.working == nullptr || slot < 0 ||
      slot >= kMaxPresets)
    return;
  const PresetRecord& preset = gPresetConfig.working[slot];
  HDC dc = item->hDC;
  const RECT& row = item->rcItem;
  const bool selected = (item->itemState & ODS_SELECTED) != 0;
  FillSolid(dc, row, selected ? kSelectedRowFill : kWhite);

  HPEN grid = CreatePen(PS_SOLID, 1, kGridColour);
  HGDIOBJ oldPen = SelectObject(dc, grid);
  Line(dc, row.left, row.top, row.left, row.bottom);
  FillSolid(dc, {row.left + 1, row.top, row.left + kNumberColumnWidth, row.bottom - 1}, kWhite);
  Line(dc, row.left, row.bottom - 1, row.right, row.bottom - 1);
  SelectObject(dc, oldPen);
  DeleteObject(grid);

  SetBkMode(dc, TRANSPARENT);
  const UINT oldAlign = SetTextAlign(dc, TA_RIGHT | TA_BASELINE);
  char number[16];
  std::snprintf(number, sizeof number, "%d", preset.scaleIndex + 1);
  SetTextColor(dc, kBlack);
  TextOut(dc, row.left + 26, row.top + kBaselineBelowTop, number, static_cast<int>(std::strlen(number)));
  SetTextAlign(dc, TA_LEFT | TA_BASELINE);
  SetTextColor(dc, selected ? kWhite : kBlack);
  TextOutEllipsis(dc, row.left + 34, row.top + kBaselineBelowTop, preset.name, row.right - row.left - 94);
  SetTextAlign(dc, oldAlign);
  DrawCheckBox(dc, row, preset.enabled != 0);
}

void DrawPresetComboItem(const DRAWITEMSTRUCT* item) {
  HDC dc = item->hDC;
  const RECT& row = item->rcItem;
  if (item->itemID == static_cast<UINT>(-1)) {
    FillSolid(dc, row, kWhite);
    return;
  }
  char text[MAX_PATH];
  ComboRowText(item->hwndItem, item->itemID, text, sizeof text);
  const LRESULT count = SendMessage(item->hwndItem, CB_GETCOUNT, 0, 0);
  const int command = static_cast<int>(item->itemID) - static_cast<int>(count - kFileCommandCount);
  if (text[0] == '\0' || std::strcmp(text, "-") == 0) {
    FillSolid(dc, row, kWhite);
    HPEN pen = CreatePen(PS_SOLID, 1, kGridColour);
    HGDIOBJ old = SelectObject(dc, pen);
    Line(dc, row.left, (row.top + row.bottom) / 2, row.right, (row.top + row.bottom) / 2);
    SelectObject(dc, old);
    DeleteObject(pen);
    return;
  }
  // "Save" and "Delete" need a named file.
  const bool greyed = (command == 1 || command == 3) && !HasPresetFileName();
  const bool selected = (item->itemState & ODS_SELECTED) != 0;
  if (selected && !greyed) {
    FillRect(dc, &row, reinterpret_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
  } else {
    FillSolid(dc, row, kWhite);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, greyed ? kGreyedTextColour : kBlack);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  TextOut(dc, row.left + 2, row.top + 1, text, static_cast<int>(std::strlen(text)));
  if ((item->itemState & ODS_FOCUS) && !greyed) DrawFocusRect(dc, &row);
}

void DrawXorFrame(HDC dc, const RECT* rect) {
  const int oldMode = SetROP2(dc, R2_NOT);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, rect->left, rect->top, rect->right, rect->bottom);
  SelectObject(dc, oldBrush);
  SetROP2(dc, oldMode);
}

int ShiftJisByteKind(const char* text, int offset) {
  int i = 0;
  while (i < offset && text[i] != '\0') {
    const int bytes = ShiftJisCharLength(text + i, ShiftJisTrail::kAny);
    if (i + bytes > offset) return 2;
    i += bytes;
  }
  // An offset past the text's end reads nothing beyond it.
  if (i != offset || text[i] == '\0') return 0;
  return ShiftJisCharLength(text + i, ShiftJisTrail::kAny) == 2 ? 1 : 0;
}

void TextOutEllipsis(HDC dc, int x, int y, const char* text, int width) {
  const int length = StrLenLimited(text);
  if (TextWidth(dc, text, length) <= width) {
    TextOut(dc, x, y, text, length);
    return;
  }
  char cut[256];
  const int room = width - TextWidth(dc, kEllipsis, 3);
  int kept = 0;
  while (kept < length) {
    const int next = kept + (ShiftJisByteKind(text, kept) == 1 ? 2 : 1);
    if (next > static_cast<int>(sizeof cut) - 4 || TextWidth(dc, text, next) > room) break;
    kept = next;
  }
  std::memcpy(cut, text, static_cast<size_t>(kept));
  std::memcpy(cut + kept, kEllipsis, sizeof kEllipsis);
  TextOut(dc, x, y, cut, kept + 3);
}

int FindPresetConfigSubstringIndex(const char* text, const char* needle) {
  return StrFindLimited(text, needle);
}
