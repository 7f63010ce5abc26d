#include "common/owner_draw_paint.h"

namespace {

constexpr int kMaxTextExtent = 800;

}  // namespace

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

void DrawRowSeparator(HDC dc, const RECT& row, COLORREF color) {
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HGDIOBJ old = SelectObject(dc, pen);
  const int middle = (row.top + row.bottom) / 2;
  MoveToEx(dc, row.left, middle, nullptr);
  LineTo(dc, row.right, middle);
  SelectObject(dc, old);
  DeleteObject(pen);
}

int TextExtentWidth(HDC dc, const char* text, int length) {
  SIZE size{};
  GetTextExtentExPoint(dc, text, length, kMaxTextExtent, nullptr, nullptr, &size);
  return size.cx;
}
