#include "panels/var_panel_list.h"

#include <cstring>

#include "common/owner_draw_paint.h"
#include "common/plugin_globals.h"
#include "store/text_fields.h"
#include "text/byte_classes.h"
#include "win_api.h"

namespace {

constexpr int kTextBufferSize = 256;
constexpr int kBaseline = 13;
constexpr int kNameAreaWidth = 102;
constexpr int kTitledNameAreaWidth = 162;
constexpr int kTitleDivider = 70;

int TextWidth(HDC dc, const char* text, size_t length) {
  return TextExtentWidth(dc, text, static_cast<int>(length));
}

void VerticalLine(HDC dc, int x, int top, int bottom) {
  MoveToEx(dc, x, top, nullptr);
  LineTo(dc, x, bottom);
}

}  // namespace

void TextOutWithEllipsis(HDC dc, const char* text, POINT point, int maxWidth) {
  // Room for "..." after a cut that keeps nearly all of the 255 bytes, as a
  // proportional font allows.
  char buffer[kTextBufferSize + 3];
  CopyTextCutValidTrail(buffer, kTextBufferSize, text != nullptr ? text : "");
  for (char* p = buffer; *p != '\0'; ++p)
    if (static_cast<unsigned char>(*p) < 0x20) *p = ' ';
  size_t length = std::strlen(buffer);
  if (TextWidth(dc, buffer, length) > maxWidth) {
    const int ellipsisWidth = TextWidth(dc, "...", 3);
    while (length > 0) {
      length = ShiftJisLastCharStart(buffer, length);
      if (TextWidth(dc, buffer, length) + ellipsisWidth < maxWidth) break;
    }
    std::memcpy(buffer + length, "...", 4);
    length += 3;
  }
  TextOut(dc, point.x, point.y, buffer, static_cast<int>(length));
}

void PaintVariablePanelItem(const DRAWITEMSTRUCT* item) {
  if (item == nullptr || gPlugin == nullptr) return;
  const PluginGlobals& g = *gPlugin;
  const VariableTable& table = g.variables;
  const int row = static_cast<int>(item->itemID);
  if (SendMessage(item->hwndItem, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0) <= 0) return;
  const auto v = static_cast<intptr_t>(item->itemData);
  // A row whose datum is no table row has nothing to show.
  if (v < 0 || v >= kMaxVariables || table.varNames == nullptr) return;

  HDC dc = item->hDC;
  const RECT& r = item->rcItem;
  const bool selected = (item->itemState & ODS_SELECTED) != 0;
  const bool titled = g.varTitlesValid != 0;
  const COLORREF windowColor = GetSysColor(COLOR_WINDOW);
  FillSolid(dc, r, selected ? kSelectedRowFill : windowColor);
  const int w = titled ? kTitledNameAreaWidth : kNameAreaWidth;
  FillSolid(dc, RECT{r.left, r.top, r.left + w, r.bottom}, kRowStripFill);

  if (titled) {
    HPEN divider = CreatePen(PS_SOLID, 1, windowColor);
    HGDIOBJ previous = SelectObject(dc, divider);
    VerticalLine(dc, r.left + kTitleDivider, r.top, r.bottom);
    SelectObject(dc, previous);
    DeleteObject(divider);
  }
  HPEN edge = CreatePen(PS_SOLID, 1, kRowEdgeLine);
  HGDIOBJ oldPen = SelectObject(dc, edge);
  VerticalLine(dc, r.left + w, r.top, r.bottom);

  HGDIOBJ oldFont = g.varPanelState.font != nullptr ? SelectObject(dc, g.varPanelState.font) : nullptr;
  SetTextColor(dc, RGB(0, 0, 0));
  SetTextAlign(dc, TA_BASELINE);
  SetBkMode(dc, TRANSPARENT);
  const int y = r.top + kBaseline;
  if (titled) {
    TextOutWithEllipsis(dc, table.varTitles[v], POINT{r.left + 4, y}, kTitleDivider);
    TextOutWithEllipsis(dc, table.varNames[v], POINT{r.left + kTitleDivider + 4, y},
                        kTitledNameAreaWidth - kTitleDivider - 4);
  } else {
    TextOutWithEllipsis(dc, table.varNames[v], POINT{r.left + 4, y}, kNameAreaWidth - 4);
  }
  if (selected) SetTextColor(dc, RGB(255, 255, 255));
  TextOutWithEllipsis(dc, table.varValues[v], POINT{r.left + 4 + w, y}, (r.right - r.left) - (w + 4));
  if (oldFont != nullptr) SelectObject(dc, oldFont);

  MoveToEx(dc, r.left, r.bottom - 1, nullptr);
  LineTo(dc, r.right, r.bottom - 1);
  SelectObject(dc, oldPen);
  DeleteObject(edge);
}
