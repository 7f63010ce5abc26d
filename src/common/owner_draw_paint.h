// Painting pieces the owner-drawn lists and combo boxes share.
#pragma once

#include "win_api.h"

// The fill behind a selected row.
constexpr COLORREF kSelectedRowFill = RGB(154, 180, 207);
// The panel lists' grey column at the left of a row, and the lines around it.
constexpr COLORREF kRowStripFill = RGB(204, 204, 204);
constexpr COLORREF kRowEdgeLine = RGB(0x44, 0x44, 0x44);

void FillSolid(HDC dc, const RECT& rect, COLORREF color);

// The one-pixel line across the middle of a row that stands for a separator.
void DrawRowSeparator(HDC dc, const RECT& row, COLORREF color);

// Width of text[0..length) in the device context's font.
int TextExtentWidth(HDC dc, const char* text, int length);
