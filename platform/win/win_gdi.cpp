// Device contexts that draw on pixel surfaces and record every operation.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

#include "win_internal.h"
#include "win_text.h"

using namespace vmwin;

struct HGDIOBJ__ {
  enum class Kind { Pen, Brush, Font, Bitmap };
  uint32_t magic;
  Kind kind;
  bool stock = false;
  int style = 0;
  int width = 0;
  COLORREF color = 0;
  bool hollow = false;
  int height = 0;
  int weight = 0;
  DWORD charSet = 0;
  std::string face;
  std::shared_ptr<Surface> surface;
};

namespace {

constexpr uint32_t kGdiMagic = 0x47444930;

std::set<HGDIOBJ>& LiveObjects() {
  static auto& live = *new std::set<HGDIOBJ>;
  return live;
}

std::set<HDC>& LiveDcs() {
  static auto& live = *new std::set<HDC>;
  return live;
}

HGDIOBJ NewObject(HGDIOBJ__::Kind kind) {
  auto* o = new HGDIOBJ__;
  o->magic = kGdiMagic;
  o->kind = kind;
  LiveObjects().insert(o);
  return o;
}

HGDIOBJ Live(HGDIOBJ o) { return o != nullptr && LiveObjects().count(o) ? o : nullptr; }
HDC LiveDc(HDC dc) { return dc != nullptr && LiveDcs().count(dc) ? dc : nullptr; }

std::map<int, HGDIOBJ>& StockObjects() {
  static auto& stock = *new std::map<int, HGDIOBJ>;
  return stock;
}

HGDIOBJ Stock(int which) {
  auto& stock = StockObjects();
  if (auto found = stock.find(which); found != stock.end()) return found->second;
  HGDIOBJ o = nullptr;
  switch (which) {
    case WHITE_BRUSH:
    case LTGRAY_BRUSH:
    case GRAY_BRUSH:
    case DKGRAY_BRUSH:
    case BLACK_BRUSH:
    case NULL_BRUSH: {
      static const COLORREF colors[] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0x000000, 0};
      o = NewObject(HGDIOBJ__::Kind::Brush);
      o->color = colors[which];
      o->hollow = which == NULL_BRUSH;
      break;
    }
    case WHITE_PEN:
    case BLACK_PEN:
    case NULL_PEN:
      o = NewObject(HGDIOBJ__::Kind::Pen);
      o->color = which == WHITE_PEN ? 0xFFFFFF : 0;
      o->width = 1;
      o->style = which == NULL_PEN ? PS_NULL : PS_SOLID;
      break;
    case SYSTEM_FONT:
    case DEFAULT_GUI_FONT:
      o = NewObject(HGDIOBJ__::Kind::Font);
      o->height = 16;
      o->face = "System";
      break;
    case -1:  // the one-pixel bitmap of a new memory context
      o = NewObject(HGDIOBJ__::Kind::Bitmap);
      o->surface = std::make_shared<Surface>(1, 1);
      break;
    default:
      return nullptr;
  }
  o->stock = true;
  stock[which] = o;
  return o;
}

void ApplyDefaults(HDC dc) {
  dc->state = GdiState{};
  dc->state.pen = Stock(BLACK_PEN);
  dc->state.brush = Stock(WHITE_BRUSH);
  dc->state.font = Stock(SYSTEM_FONT);
  dc->state.bitmap = dc->window == nullptr ? Stock(-1) : nullptr;
}

HDC NewDc(HWND window) {
  auto* dc = new HDC__;
  dc->magic = kDcMagic;
  dc->window = window;
  dc->records = &dc->ownRecords;
  ApplyDefaults(dc);
  LiveDcs().insert(dc);
  return dc;
}

void EnsureSurface(HWND w) {
  const int width = Width(w->rect);
  const int height = Height(w->rect);
  if (!w->surface || w->surface->width != width || w->surface->height != height)
    w->surface = std::make_shared<Surface>(width, height);
}

Surface* SurfaceOf(HDC dc) {
  if (dc->window != nullptr) {
    if (!IsLive(dc->window)) return nullptr;
    EnsureSurface(dc->window);
    return dc->window->surface.get();
  }
  return dc->surface.get();
}

COLORREF Apply(int rop, COLORREF dest, COLORREF pen) {
  switch (rop) {
    case R2_NOT:
      return ~dest & 0xFFFFFF;
    case R2_BLACK:
      return 0;
    case R2_WHITE:
      return 0xFFFFFF;
    case R2_XORPEN:
      return (dest ^ pen) & 0xFFFFFF;
    default:
      return pen & 0xFFFFFF;
  }
}

void PlotWithPen(HDC dc, Surface* s, int x, int y) {
  if (s == nullptr || dc->state.nullPen) return;
  s->Set(x, y, Apply(dc->state.rop2, s->Get(x, y), dc->state.penColor));
}

// Cuts a line to the box one pixel around the surface, so that far points cost no
// longer a walk than the surface is wide; false when nothing of it is left.
bool ClipLine(const Surface& s, POINT& a, POINT& b) {
  auto near = [&](POINT p) { return p.x >= -1 && p.y >= -1 && p.x <= s.width && p.y <= s.height; };
  if (near(a) && near(b)) return true;
  const double x0 = a.x, y0 = a.y, dx = double(b.x) - a.x, dy = double(b.y) - a.y;
  double t0 = 0, t1 = 1;
  auto within = [&](double p, double q) {  // keeps the part where p * t <= q
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) t0 = std::max(t0, t);
    if (p > 0) t1 = std::min(t1, t);
    return t0 <= t1;
  };
  if (!within(-dx, x0 + 1) || !within(dx, s.width - x0) || !within(-dy, y0 + 1) || !within(dy, s.height - y0))
    return false;
  const POINT from{static_cast<LONG>(std::lround(x0 + t0 * dx)), static_cast<LONG>(std::lround(y0 + t0 * dy))};
  const POINT to{static_cast<LONG>(std::lround(x0 + t1 * dx)), static_cast<LONG>(std::lround(y0 + t1 * dy))};
  a = from;
  b = to;
  return true;
}

// The part of a rectangle that lies on the surface.
RECT OnSurface(const Surface& s, const RECT& r) {
  return {std::max<LONG>(r.left, 0), std::max<LONG>(r.top, 0), std::min<LONG>(r.right, s.width),
          std::min<LONG>(r.bottom, s.height)};
}

// A line without its last pixel, as the system draws it.
void PlotLine(HDC dc, POINT a, POINT b) {
  Surface* s = SurfaceOf(dc);
  if (s == nullptr || dc->state.nullPen || !ClipLine(*s, a, b)) return;
  int x = a.x, y = a.y;
  const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
  const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
  int err = dx + dy;
  while (x != b.x || y != b.y) {
    PlotWithPen(dc, s, x, y);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

DrawRecord Record(HDC dc, DrawRecord::Op op) {
  DrawRecord r;
  r.op = op;
  r.rop2 = dc->state.rop2;
  r.penColor = dc->state.penColor;
  r.penWidth = dc->state.nullPen ? 0 : dc->state.penWidth;
  r.brushColor = dc->state.brushColor;
  r.hollowBrush = dc->state.hollowBrush;
  r.textColor = dc->state.textColor;
  r.bkMode = dc->state.bkMode;
  r.textAlign = dc->state.textAlign;
  r.fontFace = dc->state.fontFace;
  r.fontHeight = dc->state.fontHeight;
  return r;
}

void Keep(HDC dc, DrawRecord record) { dc->records->push_back(std::move(record)); }

// Brushes may also be system colour indexes plus one.
bool BrushColor(HBRUSH brush, COLORREF* color, bool* hollow) {
  const auto value = reinterpret_cast<uintptr_t>(brush);
  if (value > 0 && value <= 31) {
    *color = GetSysColor(static_cast<int>(value - 1));
    *hollow = false;
    return true;
  }
  HGDIOBJ o = Live(reinterpret_cast<HGDIOBJ>(brush));
  if (o == nullptr || o->kind != HGDIOBJ__::Kind::Brush) return false;
  *color = o->color;
  *hollow = o->hollow;
  return true;
}

void FillPixels(Surface* s, const RECT& r, COLORREF color) {
  if (s == nullptr) return;
  const RECT c = OnSurface(*s, r);
  for (int y = c.top; y < c.bottom; ++y)
    for (int x = c.left; x < c.right; ++x) s->Set(x, y, color);
}

int FontHeight(HDC dc) {
  const int h = std::abs(dc->state.fontHeight);
  return h == 0 ? 16 : h;
}

}  // namespace

namespace vmwin {

HDC OwnDc(HWND window) {
  if (window->dc == nullptr) {
    window->dc = NewDc(window);
    window->dc->records = &window->drawing;
  }
  return window->dc;
}

void ResetDcState(HDC dc) { ApplyDefaults(dc); }

void ForgetWindowDrawing(HWND window) {
  if (window->dc != nullptr) {
    LiveDcs().erase(window->dc);
    delete window->dc;
    window->dc = nullptr;
  }
}

void ResetGdi() {
  for (HDC dc : std::vector<HDC>(LiveDcs().begin(), LiveDcs().end())) {
    if (dc->window != nullptr) continue;
    LiveDcs().erase(dc);
    delete dc;
  }
  for (HGDIOBJ o : std::vector<HGDIOBJ>(LiveObjects().begin(), LiveObjects().end())) {
    if (o->stock) continue;
    LiveObjects().erase(o);
    delete o;
  }
  DesktopWindow()->drawing.clear();
  DesktopWindow()->surface.reset();
}

const std::vector<DrawRecord>& DrawingOf(HWND window) {
  static const std::vector<DrawRecord> none;
  return IsLive(window) ? window->drawing : none;
}

const std::vector<DrawRecord>& DrawingOf(HDC dc) {
  static const std::vector<DrawRecord> none;
  return LiveDc(dc) ? *dc->records : none;
}

void ClearDrawing(HWND window) {
  if (IsLive(window)) window->drawing.clear();
}

COLORREF PixelAt(HWND window, int x, int y) {
  if (!IsLive(window) || !window->surface) return kBlankPixel;
  return window->surface->Inside(x, y) ? window->surface->Get(x, y) : kBlankPixel;
}

}  // namespace vmwin

HDC GetDC(HWND window) {
  if (window == nullptr) window = DesktopWindow();
  if (!IsLive(window)) return nullptr;
  HDC dc = OwnDc(window);
  ApplyDefaults(dc);
  return dc;
}

HDC GetWindowDC(HWND window) { return GetDC(window); }

int ReleaseDC(HWND, HDC dc) { return LiveDc(dc) ? 1 : 0; }

HDC CreateCompatibleDC(HDC) {
  HDC dc = NewDc(nullptr);
  dc->surface = Stock(-1)->surface;
  return dc;
}

BOOL DeleteDC(HDC dc) {
  if (!LiveDc(dc) || dc->window != nullptr) return FALSE;
  LiveDcs().erase(dc);
  delete dc;
  return TRUE;
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return nullptr;
  HGDIOBJ o = NewObject(HGDIOBJ__::Kind::Bitmap);
  o->surface = std::make_shared<Surface>(width, height);
  return reinterpret_cast<HBITMAP>(o);
}

HPEN CreatePen(int style, int width, COLORREF color) {
  HGDIOBJ o = NewObject(HGDIOBJ__::Kind::Pen);
  o->style = style;
  o->width = width < 1 ? 1 : width;
  o->color = color & 0xFFFFFF;
  return reinterpret_cast<HPEN>(o);
}

HBRUSH CreateSolidBrush(COLORREF color) {
  HGDIOBJ o = NewObject(HGDIOBJ__::Kind::Brush);
  o->color = color & 0xFFFFFF;
  return reinterpret_cast<HBRUSH>(o);
}

HFONT CreateFont(int height, int, int, int, int weight, DWORD, DWORD, DWORD, DWORD charSet, DWORD, DWORD,
                 DWORD, DWORD, LPCSTR faceName) {
  HGDIOBJ o = NewObject(HGDIOBJ__::Kind::Font);
  o->height = height;
  o->weight = weight;
  o->charSet = charSet;
  // A face name holds 31 bytes at most, whole characters only.
  const std::string face = faceName != nullptr ? faceName : "";
  o->face = face.substr(0, WholeCharsWithin(face.data(), face.size(), 31));
  return reinterpret_cast<HFONT>(o);
}

HGDIOBJ GetStockObject(int which) { return Stock(which); }

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  if (!LiveDc(dc) || !Live(object)) return nullptr;
  GdiState& s = dc->state;
  HGDIOBJ previous = nullptr;
  switch (object->kind) {
    case HGDIOBJ__::Kind::Pen:
      previous = s.pen;
      s.pen = object;
      s.penColor = object->color;
      s.penWidth = object->width;
      s.nullPen = object->style == PS_NULL;
      break;
    case HGDIOBJ__::Kind::Brush:
      previous = s.brush;
      s.brush = object;
      s.brushColor = object->color;
      s.hollowBrush = object->hollow;
      break;
    case HGDIOBJ__::Kind::Font:
      previous = s.font;
      s.font = object;
      s.fontHeight = object->height;
      s.fontFace = object->face;
      break;
    case HGDIOBJ__::Kind::Bitmap:
      if (dc->window != nullptr) return nullptr;
      previous = s.bitmap;
      s.bitmap = object;
      dc->surface = object->surface;
      break;
  }
  return Live(previous);
}

BOOL DeleteObject(HGDIOBJ object) {
  if (!Live(object)) return FALSE;
  if (object->stock) return TRUE;
  LiveObjects().erase(object);
  delete object;
  return TRUE;
}

int SetROP2(HDC dc, int mode) {
  if (!LiveDc(dc) || mode < 1 || mode > 16) return 0;
  const int old = dc->state.rop2;
  dc->state.rop2 = mode;
  return old;
}

int GetROP2(HDC dc) { return LiveDc(dc) ? dc->state.rop2 : 0; }

int SetBkMode(HDC dc, int mode) {
  if (!LiveDc(dc) || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int old = dc->state.bkMode;
  dc->state.bkMode = mode;
  return old;
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
  if (!LiveDc(dc)) return 0xFFFFFFFF;
  const COLORREF old = dc->state.bkColor;
  dc->state.bkColor = color & 0xFFFFFF;
  return old;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
  if (!LiveDc(dc)) return 0xFFFFFFFF;
  const COLORREF old = dc->state.textColor;
  dc->state.textColor = color & 0xFFFFFF;
  return old;
}

UINT SetTextAlign(HDC dc, UINT align) {
  if (!LiveDc(dc)) return 0xFFFFFFFF;
  const UINT old = dc->state.textAlign;
  dc->state.textAlign = align;
  return old;
}

BOOL MoveToEx(HDC dc, int x, int y, LPPOINT previous) {
  if (!LiveDc(dc)) return FALSE;
  if (previous != nullptr) *previous = dc->state.position;
  dc->state.position = {x, y};
  return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
  if (!LiveDc(dc)) return FALSE;
  DrawRecord r = Record(dc, DrawRecord::Op::Line);
  r.from = dc->state.position;
  r.to = {x, y};
  PlotLine(dc, r.from, r.to);
  Keep(dc, std::move(r));
  dc->state.position = {x, y};
  return TRUE;
}

BOOL Polyline(HDC dc, const POINT* points, int count) {
  if (!LiveDc(dc) || points == nullptr || count < 2) return FALSE;
  for (int i = 1; i < count; ++i) {
    DrawRecord r = Record(dc, DrawRecord::Op::Line);
    r.from = points[i - 1];
    r.to = points[i];
    PlotLine(dc, r.from, r.to);
    Keep(dc, std::move(r));
  }
  return TRUE;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
  if (!LiveDc(dc)) return FALSE;
  DrawRecord r = Record(dc, DrawRecord::Op::Rectangle);
  r.rect = {left, top, right, bottom};
  if (!dc->state.hollowBrush)
    FillPixels(SurfaceOf(dc), {left + 1, top + 1, right - 1, bottom - 1}, dc->state.brushColor);
  PlotLine(dc, {left, top}, {right - 1, top});
  PlotLine(dc, {right - 1, top}, {right - 1, bottom - 1});
  PlotLine(dc, {right - 1, bottom - 1}, {left, bottom - 1});
  PlotLine(dc, {left, bottom - 1}, {left, top});
  Keep(dc, std::move(r));
  return TRUE;
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
  if (!LiveDc(dc)) return FALSE;
  DrawRecord r = Record(dc, DrawRecord::Op::Ellipse);
  r.rect = {left, top, right, bottom};
  Keep(dc, std::move(r));
  return TRUE;
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  COLORREF color;
  bool hollow;
  if (!LiveDc(dc) || rect == nullptr || !BrushColor(brush, &color, &hollow)) return 0;
  DrawRecord r = Record(dc, DrawRecord::Op::FillRect);
  r.rect = *rect;
  r.brushColor = color;
  r.hollowBrush = hollow;
  if (!hollow) FillPixels(SurfaceOf(dc), *rect, color);
  Keep(dc, std::move(r));
  return 1;
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
  COLORREF color;
  bool hollow;
  if (!LiveDc(dc) || rect == nullptr || !BrushColor(brush, &color, &hollow)) return 0;
  DrawRecord r = Record(dc, DrawRecord::Op::FrameRect);
  r.rect = *rect;
  r.brushColor = color;
  r.hollowBrush = hollow;
  if (!hollow) {
    Surface* s = SurfaceOf(dc);
    FillPixels(s, {rect->left, rect->top, rect->right, rect->top + 1}, color);
    FillPixels(s, {rect->left, rect->bottom - 1, rect->right, rect->bottom}, color);
    FillPixels(s, {rect->left, rect->top, rect->left + 1, rect->bottom}, color);
    FillPixels(s, {rect->right - 1, rect->top, rect->right, rect->bottom}, color);
  }
  Keep(dc, std::move(r));
  return 1;
}

BOOL DrawFocusRect(HDC dc, const RECT* rect) {
  if (!LiveDc(dc) || rect == nullptr) return FALSE;
  DrawRecord r = Record(dc, DrawRecord::Op::FocusRect);
  r.rect = *rect;
  // An inverted outline: drawn twice, it is gone.
  if (Surface* s = SurfaceOf(dc)) {
    auto invert = [&](int x, int y) { s->Set(x, y, ~s->Get(x, y) & 0xFFFFFF); };
    const RECT c = OnSurface(*s, *rect);
    for (int x = c.left; x < c.right; ++x) {
      invert(x, rect->top);
      if (rect->bottom - 1 > rect->top) invert(x, rect->bottom - 1);
    }
    for (int y = std::max(c.top, rect->top + 1); y < std::min(c.bottom, rect->bottom - 1); ++y) {
      invert(rect->left, y);
      if (rect->right - 1 > rect->left) invert(rect->right - 1, y);
    }
  }
  Keep(dc, std::move(r));
  return TRUE;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
  if (!LiveDc(dc)) return 0xFFFFFFFF;
  Surface* s = SurfaceOf(dc);
  if (s == nullptr || !s->Inside(x, y)) return 0xFFFFFFFF;
  s->Set(x, y, color);
  DrawRecord r = Record(dc, DrawRecord::Op::Pixel);
  r.from = {x, y};
  r.penColor = color & 0xFFFFFF;
  Keep(dc, std::move(r));
  return color & 0xFFFFFF;
}

COLORREF GetPixel(HDC dc, int x, int y) {
  if (!LiveDc(dc)) return 0xFFFFFFFF;
  Surface* s = SurfaceOf(dc);
  return s != nullptr && s->Inside(x, y) ? s->Get(x, y) : 0xFFFFFFFF;
}

BOOL GetTextExtentExPoint(HDC dc, LPCSTR text, int length, int maxExtent, int* fit, int* extents,
                          SIZE* size) {
  if (!LiveDc(dc) || (text == nullptr && length > 0) || length < 0) return FALSE;
  const int h = FontHeight(dc);
  int width = 0;
  int fitted = 0;
  for (int i = 0; i < length;) {
    const bool wide = IsCp932Lead(static_cast<unsigned char>(text[i])) && i + 1 < length;
    width += wide ? h : std::max(1, h / 2);
    const int step = wide ? 2 : 1;
    if (extents != nullptr)
      for (int k = 0; k < step; ++k) extents[i + k] = width;
    if (width <= maxExtent || maxExtent < 0) fitted = i + step;
    i += step;
  }
  if (fit != nullptr) *fit = fitted;
  if (size != nullptr) *size = {width, h};
  return TRUE;
}

BOOL GetTextExtentPoint32(HDC dc, LPCSTR text, int length, SIZE* size) {
  return GetTextExtentExPoint(dc, text, length, -1, nullptr, nullptr, size);
}

BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int length) {
  if (!LiveDc(dc) || (text == nullptr && length > 0) || length < 0) return FALSE;
  DrawRecord r = Record(dc, DrawRecord::Op::Text);
  r.text.assign(text != nullptr ? text : "", static_cast<size_t>(length));
  SIZE extent{};
  GetTextExtentPoint32(dc, text, length, &extent);
  r.from = {x, y};
  r.rect = {x, y, x + extent.cx, y + extent.cy};
  Keep(dc, std::move(r));
  return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop) {
  if (!LiveDc(dest) || width < 0 || height < 0) return FALSE;
  Surface* d = SurfaceOf(dest);
  Surface* s = LiveDc(source) ? SurfaceOf(source) : nullptr;
  if (rop != DSTINVERT && s == nullptr) return FALSE;
  if (d != nullptr) {
    // Only what lands on the surface, through a copy, so that overlapping blits within
    // one surface read the old pixels.
    const long long i0 = std::max(0LL, -static_cast<long long>(x));
    const long long j0 = std::max(0LL, -static_cast<long long>(y));
    const long long i1 = std::min<long long>(width, static_cast<long long>(d->width) - x);
    const long long j1 = std::min<long long>(height, static_cast<long long>(d->height) - y);
    if (i0 < i1 && j0 < j1) {
      const size_t w = size_t(i1 - i0);
      std::vector<COLORREF> block(w * size_t(j1 - j0));
      for (long long j = j0; j < j1; ++j)
        for (long long i = i0; i < i1; ++i)
          block[size_t(j - j0) * w + size_t(i - i0)] =
              rop == DSTINVERT ? ~d->Get(int(x + i), int(y + j)) & 0xFFFFFF
                               : s->Get(int(sx + i), int(sy + j));
      for (long long j = j0; j < j1; ++j)
        for (long long i = i0; i < i1; ++i) d->Set(int(x + i), int(y + j), block[size_t(j - j0) * w + size_t(i - i0)]);
    }
  }
  DrawRecord r = Record(dest, DrawRecord::Op::BitBlt);
  r.rect = {x, y, x + width, y + height};
  r.from = {sx, sy};
  Keep(dest, std::move(r));
  return TRUE;
}

int GetDeviceCaps(HDC, int index) {
  switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
      return 96;
    case HORZRES:
      return Width(DesktopWindow()->rect);
    case VERTRES:
      return Height(DesktopWindow()->rect);
    case BITSPIXEL:
      return 32;
    default:
      return 0;
  }
}

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const int64_t product = static_cast<int64_t>(number) * numerator;
  int64_t q = product / denominator;
  const int64_t rem = product % denominator;
  if (2 * std::llabs(rem) >= std::llabs(static_cast<int64_t>(denominator)))
    q += ((product < 0) != (denominator < 0)) ? -1 : 1;
  if (q > INT32_MAX || q < INT32_MIN) return -1;
  return static_cast<int>(q);
}

DWORD GetSysColor(int index) {
  switch (index) {
    case COLOR_WINDOW:
    case COLOR_HIGHLIGHTTEXT:
      return 0xFFFFFF;
    case COLOR_WINDOWTEXT:
    case COLOR_BTNTEXT:
      return 0x000000;
    case COLOR_HIGHLIGHT:
      return RGB(0, 120, 215);
    case COLOR_BTNFACE:
      return 0xF0F0F0;
    case COLOR_GRAYTEXT:
      return 0x6D6D6D;
    default:
      return 0xC0C0C0;
  }
}

HBRUSH GetSysColorBrush(int index) {
  static auto& brushes = *new std::map<int, HBRUSH>;
  auto& b = brushes[index];
  if (b == nullptr || !Live(reinterpret_cast<HGDIOBJ>(b))) {
    b = CreateSolidBrush(GetSysColor(index));
    reinterpret_cast<HGDIOBJ>(b)->stock = true;
  }
  return b;
}

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
  if (rect == nullptr) return FALSE;
  *rect = {left, top, right, bottom};
  return TRUE;
}
BOOL SetRectEmpty(LPRECT rect) { return SetRect(rect, 0, 0, 0, 0); }
BOOL IsRectEmpty(const RECT* rect) {
  return rect == nullptr || rect->right <= rect->left || rect->bottom <= rect->top ? TRUE : FALSE;
}
BOOL PtInRect(const RECT* rect, POINT p) {
  return rect != nullptr && p.x >= rect->left && p.x < rect->right && p.y >= rect->top && p.y < rect->bottom
             ? TRUE
             : FALSE;
}
BOOL InflateRect(LPRECT rect, int dx, int dy) {
  if (rect == nullptr) return FALSE;
  *rect = {rect->left - dx, rect->top - dy, rect->right + dx, rect->bottom + dy};
  return TRUE;
}
BOOL OffsetRect(LPRECT rect, int dx, int dy) {
  if (rect == nullptr) return FALSE;
  *rect = {rect->left + dx, rect->top + dy, rect->right + dx, rect->bottom + dy};
  return TRUE;
}
BOOL CopyRect(LPRECT dest, const RECT* source) {
  if (dest == nullptr || source == nullptr) return FALSE;
  *dest = *source;
  return TRUE;
}
BOOL EqualRect(const RECT* a, const RECT* b) {
  return a != nullptr && b != nullptr && a->left == b->left && a->top == b->top && a->right == b->right &&
                 a->bottom == b->bottom
             ? TRUE
             : FALSE;
}
BOOL IntersectRect(LPRECT dest, const RECT* a, const RECT* b) {
  if (dest == nullptr || a == nullptr || b == nullptr) return FALSE;
  RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
         std::min(a->bottom, b->bottom)};
  if (IsRectEmpty(&r)) {
    SetRectEmpty(dest);
    return FALSE;
  }
  *dest = r;
  return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) {
  if (!LiveDc(dc) || icon == nullptr) return FALSE;
  DrawRecord r = Record(dc, DrawRecord::Op::Icon);
  r.rect = {x, y, x + 32, y + 32};
  r.resourceId = icon->resourceId;
  if (const ImageResource* image = icon->image; image != nullptr && image->pixels != nullptr) {
    Surface* s = SurfaceOf(dc);
    for (int j = 0; s != nullptr && j < image->height; ++j)
      for (int i = 0; i < image->width; ++i) {
        const uint32_t argb = image->pixels[size_t(j) * image->width + i];
        if ((argb >> 24) == 0) continue;
        s->Set(x + i, y + j, RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF));
      }
  }
  Keep(dc, std::move(r));
  return TRUE;
}
