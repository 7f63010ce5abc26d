// Variable rows as the user sees them: the grey name area, the value beside
// it, and texts cut to their column by whole characters with "...".
#include "panels/var_panel_list.h"
#include "panels/var_scene.h"

using namespace vmtest;

namespace {

using vmwin::DrawRecord;

struct Shown {
  std::string text;
  int x, y;
  COLORREF color;
  bool operator==(const Shown&) const = default;
};

std::vector<Shown> TextsOf(const std::vector<DrawRecord>& drawing, int top) {
  std::vector<Shown> texts;
  for (const DrawRecord& r : drawing)
    if (r.op == DrawRecord::Op::Text && r.from.y == top + 13)
      texts.push_back({r.text, r.from.x, r.from.y, r.textColor});
  return texts;
}

class VarListPaintingTest : public VarScene {
 protected:
  static std::vector<Shown> PaintList() {
    HWND list = Control(VarWindow(), 1);
    vmwin::ClearDrawing(list);
    InvalidateRect(list, nullptr, FALSE);
    vmwin::PaintInvalidWindows();
    return TextsOf(vmwin::DrawingOf(list), 20);  // the second row
  }
};

TEST_F(VarListPaintingTest, TheValueColumnMovesWhenOwnerTitlesAreShown) {
  const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
  std::snprintf(globals().variables.varValues[1], kVarValueSize, "1\r\n2");
  EXPECT_EQ(PaintList(), (std::vector<Shown>{{"B", 4, 33, black}, {"1  2", 106, 33, black}}));

  globals().varTitlesValid = 1;
  std::snprintf(globals().variables.varTitles[1], kVarNameSize, "Front");
  PickRow(1);
  EXPECT_EQ(PaintList(),
            (std::vector<Shown>{{"Front", 4, 33, black}, {"B", 74, 33, black}, {"1  2", 166, 33, white}}));
  bool selectedFill = false, divider = false;
  for (const DrawRecord& r : vmwin::DrawingOf(Control(VarWindow(), 1))) {
    selectedFill |=
        r.op == DrawRecord::Op::FillRect && r.rect.top == 20 && r.brushColor == RGB(154, 180, 207);
    divider |= r.op == DrawRecord::Op::Line && r.from.x == 70 && r.from.y == 20 && r.to.y == 40;
  }
  EXPECT_TRUE(selectedFill);
  EXPECT_TRUE(divider);
}

TEST_F(VarListPaintingTest, TextsAreCutByWholeCharactersWithAnEllipsis) {
  HWND list = Control(VarWindow(), 1);
  HDC dc = GetDC(list);
  SIZE one{}, wide{}, dots{};
  GetTextExtentPoint32(dc, "a", 1, &one);
  GetTextExtentPoint32(dc, "\202\240", 2, &wide);  // a double-byte "a"
  GetTextExtentPoint32(dc, "...", 3, &dots);
  const std::string kana = "\202\240";
  const struct {
    std::string text;
    int maxWidth;
    std::string shown;
  } cases[] = {
      {"abcd", 4 * one.cx, "abcd"},                             // exactly as wide: whole
      {"ab" + kana + kana, 2 * one.cx + dots.cx + 1, "ab..."},  // double-byte characters go whole
      {"ab" + kana + kana + kana, 3 * one.cx + dots.cx + 1, "ab..."},  // room for half of one: not split
      {"abcdef", 2 * one.cx + dots.cx, "a..."},                 // the dots must end before the edge
      {kana + kana + kana + "x", wide.cx + dots.cx + 1, kana + "..."},
      {"a\tb\nc", 100 * one.cx, "a b c"},
      {std::string(300, 'v'), 1000 * one.cx, std::string(255, 'v')},  // the first 255 bytes only
      {"abc", -5, "..."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    vmwin::ClearDrawing(list);
    TextOutWithEllipsis(dc, c.text.c_str(), POINT{0, 0}, c.maxWidth);
    ASSERT_FALSE(vmwin::DrawingOf(list).empty());
    EXPECT_EQ(vmwin::DrawingOf(list).back().text, c.shown);
  }
  ReleaseDC(list, dc);
}

}  // namespace
