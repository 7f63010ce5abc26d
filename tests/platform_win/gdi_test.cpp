// Drawing read back: inverted feedback, the cursor hint's saved pixels, text metrics and icons.
#include <string>

#include "support/win_fixture.h"

namespace {

using namespace vmwin;

class GdiTest : public WinLayerTest {
 protected:
  void SetUp() override {
    WinLayerTest::SetUp();
    main = CreateHostMainWindow("Host", 1200, 900);
    document = CreateHostDocumentWindow(main, "pattern.svg @ 100%", 0, 0, 400, 300);
    view = GetHostDocumentView(document);
  }
  HWND main = nullptr, document = nullptr, view = nullptr;
};

void InvertedFrame(HDC dc, RECT r) {
  HPEN pen = CreatePen(PS_SOLID, 0, 0);
  HGDIOBJ old = SelectObject(dc, pen);
  const int oldRop = SetROP2(dc, R2_NOT);
  MoveToEx(dc, r.left, r.top, nullptr);
  LineTo(dc, r.right, r.top);
  LineTo(dc, r.right, r.bottom);
  LineTo(dc, r.left, r.bottom);
  LineTo(dc, r.left, r.top);
  SetROP2(dc, oldRop);
  SelectObject(dc, old);
  DeleteObject(pen);
}

TEST_F(GdiTest, AnInvertedFrameDrawnTwiceLeavesTheViewAsItWas) {
  HDC dc = GetDC(view);
  RECT paper{0, 0, 400, 300};
  HBRUSH brush = CreateSolidBrush(RGB(200, 10, 10));
  FillRect(dc, &paper, brush);
  InvertedFrame(dc, {10, 10, 60, 40});
  EXPECT_EQ(PixelAt(view, 10, 10), ~RGB(200, 10, 10) & 0xFFFFFF);
  EXPECT_EQ(PixelAt(view, 60, 40), ~RGB(200, 10, 10) & 0xFFFFFF);
  EXPECT_EQ(PixelAt(view, 30, 20), RGB(200, 10, 10));
  InvertedFrame(dc, {10, 10, 60, 40});
  for (POINT p : {POINT{10, 10}, POINT{60, 10}, POINT{60, 40}, POINT{10, 40}, POINT{35, 10}})
    EXPECT_EQ(PixelAt(view, p.x, p.y), RGB(200, 10, 10)) << p.x << "," << p.y;
  ReleaseDC(view, dc);
  DeleteObject(brush);

  const auto& records = DrawingOf(view);
  ASSERT_EQ(records.size(), 9u);
  EXPECT_EQ(records[1].op, DrawRecord::Op::Line);
  EXPECT_EQ(records[1].rop2, R2_NOT);
  EXPECT_EQ(records[1].from.x, 10);
  EXPECT_EQ(records[1].to.x, 60);
  EXPECT_EQ(records[8].to.y, 10);
}

TEST_F(GdiTest, FarPointsAndHugeAreasDrawOnlyWhatIsOnTheSurface) {
  HDC dc = GetDC(view);
  // A zoomed view puts points two thousand million pixels away.
  HPEN pen = CreatePen(PS_SOLID, 0, 0);
  HGDIOBJ old = SelectObject(dc, pen);
  SetROP2(dc, R2_NOT);
  for (int pass = 0; pass < 2; ++pass) {
    MoveToEx(dc, -2000000000, 5, nullptr);
    LineTo(dc, 2000000000, 5);
    MoveToEx(dc, 7, -2000000000, nullptr);
    LineTo(dc, 7, 40);
    MoveToEx(dc, -2000000000, -2000000000, nullptr);
    LineTo(dc, 2000000000, 2000000000);
    if (pass == 0) {
      EXPECT_NE(PixelAt(view, 0, 5), kBlankPixel);
      EXPECT_NE(PixelAt(view, 399, 5), kBlankPixel);
      EXPECT_NE(PixelAt(view, 7, 0), kBlankPixel);
      EXPECT_NE(PixelAt(view, 7, 39), kBlankPixel);
      EXPECT_EQ(PixelAt(view, 7, 40), kBlankPixel);  // the last pixel is left out
      EXPECT_NE(PixelAt(view, 100, 100), kBlankPixel);
    }
  }
  for (POINT p : {POINT{0, 5}, POINT{399, 5}, POINT{7, 0}, POINT{7, 39}, POINT{100, 100}, POINT{299, 299}})
    EXPECT_EQ(PixelAt(view, p.x, p.y), kBlankPixel) << p.x << "," << p.y;
  SelectObject(dc, old);
  DeleteObject(pen);

  const RECT everything{-2000000000, -2000000000, 2000000000, 2000000000};
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(FillRect(dc, &everything, brush), 1);
  EXPECT_EQ(PixelAt(view, 399, 299), RGB(1, 2, 3));
  DrawFocusRect(dc, &everything);
  EXPECT_EQ(PixelAt(view, 0, 0), RGB(1, 2, 3));  // its outline lies far outside
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  EXPECT_TRUE(BitBlt(dc, -1000000000, -1000000000, 2000000000, 2000000000, memory, 0, 0, SRCCOPY));
  EXPECT_EQ(PixelAt(view, 399, 299), 0u);  // outside the bitmap reads black
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  DeleteObject(brush);
  ReleaseDC(view, dc);
}

TEST_F(GdiTest, FocusRectanglesAlsoUndoThemselves) {
  HDC dc = GetDC(view);
  const RECT r{5, 5, 25, 15};
  DrawFocusRect(dc, &r);
  EXPECT_NE(PixelAt(view, 5, 5), kBlankPixel);
  DrawFocusRect(dc, &r);
  EXPECT_EQ(PixelAt(view, 5, 5), kBlankPixel);
  EXPECT_EQ(PixelAt(view, 24, 14), kBlankPixel);
}

TEST_F(GdiTest, CursorHintSavesAndRestoresTheScreenUnderIt) {
  HDC screen = GetDC(nullptr);
  RECT backdrop{0, 0, 200, 100};
  FillRect(screen, &backdrop, reinterpret_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
  // Save 61 x 19 pixels, paint the label, then put the pixels back.
  HDC saved = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 61, 19);
  HGDIOBJ oldBitmap = SelectObject(saved, bitmap);
  ASSERT_TRUE(BitBlt(saved, 0, 0, 61, 19, screen, 40, 30, SRCCOPY));
  RECT label{40, 30, 100, 48};
  HBRUSH face = CreateSolidBrush(0xF2F2F2);
  FillRect(screen, &label, face);
  SetTextColor(screen, 0x444444);
  SetBkMode(screen, TRANSPARENT);
  TextOut(screen, 52, 33, "Delete", 6);
  FrameRect(screen, &label, reinterpret_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(PixelAt(GetDesktopWindow(), 40, 30), 0u);
  EXPECT_EQ(PixelAt(GetDesktopWindow(), 50, 40), 0xF2F2F2u);
  BitBlt(screen, 40, 30, 61, 19, saved, 0, 0, SRCCOPY);
  for (POINT p : {POINT{40, 30}, POINT{50, 40}, POINT{100, 48}})
    EXPECT_EQ(PixelAt(GetDesktopWindow(), p.x, p.y), 0xC0C0C0u);
  SelectObject(saved, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(saved);
  DeleteObject(face);

  const auto& records = DrawingOf(GetDesktopWindow());
  const auto text = std::find_if(records.begin(), records.end(),
                                 [](const DrawRecord& r) { return r.op == DrawRecord::Op::Text; });
  ASSERT_NE(text, records.end());
  EXPECT_EQ(text->text, "Delete");
  EXPECT_EQ(text->textColor, 0x444444u);
  EXPECT_EQ(text->bkMode, TRANSPARENT);
}

TEST_F(GdiTest, TextMetricIsHalfTheHeightPerByteAndFullPerDoubleByte) {
  HDC dc = GetDC(view);
  HFONT font = CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                          "\x83\x81\x83\x43\x83\x8A\x83\x49");
  SelectObject(dc, font);
  struct {
    const char* text;
    int width;
  } cases[] = {
      {"Arial", 30},
      {"\x8B\x97\x97\xA3", 24},      // "距離": two double-byte characters
      {"\xB5\xCC\xBE\xAF\xC4", 30},  // "ｵﾌｾｯﾄ": half-width katakana
      {"A\x82", 12},                 // a lead byte cut off counts as one byte
  };
  for (const auto& c : cases) {
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32(dc, c.text, static_cast<int>(std::string(c.text).size()), &size));
    EXPECT_EQ(size.cx, c.width) << c.text;
    EXPECT_EQ(size.cy, 12);
  }
  // What fits 20 px of "A距離": never half of a character.
  int fit = 0;
  int extents[5];
  GetTextExtentExPoint(dc, "A\x8B\x97\x97\xA3", 5, 20, &fit, extents, nullptr);
  EXPECT_EQ(fit, 3);
  EXPECT_EQ(extents[0], 6);
  EXPECT_EQ(extents[2], 18);
  EXPECT_EQ(extents[4], 30);
  TextOut(dc, 34, 13, "\x8B\x97\x97\xA3", 4);
  EXPECT_EQ(DrawingOf(view).back().fontFace, "\x83\x81\x83\x43\x83\x8A\x83\x49");
  EXPECT_EQ(DrawingOf(view).back().fontHeight, -12);
  DeleteObject(font);
}

TEST_F(GdiTest, IconsAndCursorsComeFromTheModuleByTypeAndId) {
  static uint32_t pixels[32 * 32];
  for (uint32_t& p : pixels) p = 0xFF112233;
  static const ImageResource icon{32, 32, pixels, 0, 0};
  static const ImageResource cursor{32, 32, nullptr, 3, 3};
  RegisterTestResource(RT_ICON, 16201, &icon);
  RegisterTestResource(RT_CURSOR, 16201, &cursor);  // the same id, another type
  HICON edit = LoadIcon(TestInstance(), MAKEINTRESOURCE(16201));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(LoadIcon(TestInstance(), MAKEINTRESOURCE(16299)), nullptr);
  HDC dc = GetDC(view);
  DrawIcon(dc, 4, 6, edit);
  EXPECT_EQ(PixelAt(view, 4, 6), RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(PixelAt(view, 35, 37), RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(PixelAt(view, 36, 38), kBlankPixel);
  EXPECT_EQ(DrawingOf(view).back().resourceId, 16201);

  HCURSOR hint = LoadCursor(TestInstance(), MAKEINTRESOURCE(16201));
  ASSERT_NE(hint, nullptr);
  SetCursor(hint);
  EXPECT_EQ(CurrentCursorId(), 16201);
  HCURSOR arrow = LoadCursor(nullptr, MAKEINTRESOURCE(32514));
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(SetCursor(arrow), hint);
  EXPECT_EQ(CurrentCursorId(), 32514);
  EXPECT_EQ(LoadCursor(TestInstance(), MAKEINTRESOURCE(16300)), nullptr);
}

TEST_F(GdiTest, StaleObjectsAndContextsAreRefused) {
  HDC dc = GetDC(view);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
  HGDIOBJ old = SelectObject(dc, pen);
  EXPECT_NE(old, nullptr);
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_FALSE(DeleteObject(pen));
  EXPECT_EQ(SelectObject(dc, pen), nullptr);
  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));  // stock objects stay
  EXPECT_NE(SelectObject(dc, GetStockObject(BLACK_BRUSH)), nullptr);
  HDC memory = CreateCompatibleDC(dc);
  EXPECT_TRUE(DeleteDC(memory));
  EXPECT_FALSE(LineTo(memory, 3, 3));
  EXPECT_FALSE(DeleteDC(dc));  // a window's context is released, not deleted
}

TEST(GdiArithmetic, MulDivRoundsAndRefusesZero) {
  struct {
    int a, b, c, expected;
  } cases[] = {{8, 96, 72, 11}, {-8, 96, 72, -11}, {5, 1, 2, 3},
               {-5, 1, 2, -3},  {1, 1, 0, -1},     {0x7FFFFFFF, 2, 1, -1}};
  for (const auto& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
  EXPECT_EQ(GetDeviceCaps(nullptr, LOGPIXELSY), 96);
  RECT r{0, 0, 10, 10};
  EXPECT_TRUE(PtInRect(&r, {0, 0}));
  EXPECT_FALSE(PtInRect(&r, {10, 5}));
}

}  // namespace
