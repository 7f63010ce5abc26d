#include "tools/cursor_hint.h"

#include "common/plugin_globals.h"
#include "geometry/numeric.h"
#include "text/string_limits.h"
#include "win_api.h"

namespace {

constexpr int kLabelHeight = 18;
constexpr int kLabelPadding = 12;
constexpr int kTextTop = 3;
constexpr int kJapaneseBytePixels = 6;
constexpr COLORREF kLabelFill = 0xF2F2F2;
constexpr COLORREF kLabelText = 0x444444;
constexpr const char* kJapaneseFace = "\202\154\202\162\040\203\123\203\126\203\142\203\116";

void PutBackSavedPixels(HDC screen, CursorHintState& hint) {
  if (hint.memoryDC == nullptr) return;
  BitBlt(screen, hint.rect.left, hint.rect.top, static_cast<int>(hint.width), static_cast<int>(hint.height),
         hint.memoryDC, 0, 0, SRCCOPY);
  SelectObject(hint.memoryDC, hint.oldBitmap);
  DeleteObject(hint.bitmap);
  DeleteDC(hint.memoryDC);
  hint = CursorHintState{};
}

// Keeps the screen under rect, one pixel wider and taller; false when it cannot.
bool SavePixels(HDC screen, const RECT& rect, CursorHintState& hint) {
  const int width = rect.right - rect.left + 1;
  const int height = rect.bottom - rect.top + 1;
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = memory != nullptr ? CreateCompatibleBitmap(screen, width, height) : nullptr;
  if (bitmap == nullptr) {
    if (memory != nullptr) DeleteDC(memory);
    return false;
  }
  hint.memoryDC = memory;
  hint.bitmap = bitmap;
  hint.oldBitmap = reinterpret_cast<HBITMAP>(SelectObject(memory, bitmap));
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  hint.width = static_cast<uint32_t>(width);
  hint.height = static_cast<uint32_t>(height);
  hint.rect = LayoutRect{rect.left, rect.top, rect.right, rect.bottom};
  hint.shown = 1;
  return true;
}

void DrawLabel(HDC screen, const RECT& rect, const char* text, int length) {
  HBRUSH fill = CreateSolidBrush(kLabelFill);
  FillRect(screen, &rect, fill);
  DeleteObject(fill);
  SetBkMode(screen, TRANSPARENT);
  SetTextColor(screen, kLabelText);
  const UINT oldAlign = SetTextAlign(screen, TA_CENTER | TA_TOP);
  TextOut(screen, (rect.left + rect.right) / 2, rect.top + kTextTop, text, length);
  SetTextAlign(screen, oldAlign);
  FrameRect(screen, &rect, reinterpret_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

}  // namespace

void ShowCursorHint(const char* text, int x, int y) {
  PluginGlobals& g = *gPlugin;
  const bool japanese = g.language == 0;
  const int length = text != nullptr ? StrLenLimited(text) : 0;
  const HWND desktop = GetDesktopWindow();
  const HDC screen = GetDC(desktop);
  if (screen == nullptr) return;
  HFONT font =
      CreateFont(12, 0, 0, 0, 0, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, japanese ? kJapaneseFace : "Arial");
  const HGDIOBJ oldFont = SelectObject(screen, font);

  int width = japanese ? kJapaneseBytePixels * length : 0;
  if (!japanese) {
    SIZE extent{};
    GetTextExtentPoint32(screen, text != nullptr ? text : "", length, &extent);
    width = extent.cx;
  }
  width += kLabelPadding;

  PutBackSavedPixels(screen, g.cursorHint);
  if (length > 0) {
    const int left = MaxInt(x - width / 2, 0);
    const int top = MaxInt(y, 0);
    const RECT rect{left, top, left + width, top + kLabelHeight};
    // A label whose pixels could not be kept could never be taken away again.
    if (SavePixels(screen, rect, g.cursorHint)) DrawLabel(screen, rect, text, length);
  }

  SelectObject(screen, oldFont);
  DeleteObject(font);
  ReleaseDC(desktop, screen);
}
