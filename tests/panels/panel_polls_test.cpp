// Timer ticks poll the panels: a row dragged in a list is dropped on another
// row, and the cursor resting on a button shows that button's hint.
#include <cstring>

#include "panels/panel_scene.h"

using namespace vmtest;

namespace {

using PanelPollsTest = PanelScene;

struct DragCase {
  const char* name;
  bool variableList;  // else the Information list, in front of it
  POINT lastTick;     // the cursor at the tick before the press, button up
  POINT press;
  std::vector<POINT> moves;  // with the button held, then released at the last one
  bool dropped;              // the rows were reordered and the list repainted
  bool releasePosted;
  size_t markerLines;  // inverted lines, four a rectangle
};

// Screen pixels: both panels lie at the screen's origin, their lists at (5, 5);
// Information rows are 40 px high, Variable rows 20 px.
const DragCase kDragCases[] = {
    {"two rows down", false, {50, 20}, {50, 20}, {{50, 60}, {50, 100}}, true, true, 16},
    {"straight onto the first row", false, {50, 60}, {50, 60}, {{50, 20}}, true, true, 8},
    {"back onto itself", false, {50, 50}, {50, 50}, {{50, 100}, {50, 70}}, false, true, 16},
    {"onto the empty part", false, {50, 20}, {50, 20}, {{50, 100}, {50, 150}}, false, false, 8},
    {"a press while moving", false, {50, 20}, {54, 20}, {{50, 100}}, false, false, 0},
    {"released within 8 px", false, {50, 20}, {50, 20}, {{50, 28}}, false, false, 0},
    {"a variable two rows up", true, {50, 50}, {50, 50}, {{50, 10}}, true, true, 8},
};

TEST_F(PanelPollsTest, ARowDragReordersOnlyWhenDroppedOnAnotherRow) {
  for (const DragCase& c : kDragCases) {
    SCOPED_TRACE(c.name);
    HostPanels()->Show(InfPanel(), !c.variableList);
    HWND list = Control(c.variableList ? VarWindow() : InfWindow(), 1);
    SendMessage(list, LB_RESETCONTENT, 0, 0);
    AddRows(c.variableList ? VarWindow() : InfWindow(), {-1, 0, 1});
    vmwin::PaintInvalidWindows();
    vmwin::ClearDrawing(list);
    const COLORREF before = vmwin::PixelAt(list, 0, 80);
    while (PeekMessage(nullptr, list, 0, 0, PM_REMOVE)) {
    }

    // Each tick reads the button once for the hint, once more for the drag.
    std::vector<vmwin::InputStep> steps = {{false, c.lastTick.x, c.lastTick.y},
                                           {false, c.lastTick.x, c.lastTick.y},
                                           {true, c.press.x, c.press.y},
                                           {true, c.press.x, c.press.y}};
    for (POINT m : c.moves) steps.push_back({true, m.x, m.y});
    steps.push_back({false, c.moves.back().x, c.moves.back().y});
    vmwin::PlayInputTimeline(steps);
    ASSERT_EQ(TickOnce(), kNoErr);
    ASSERT_EQ(TickOnce(), kNoErr);

    EXPECT_EQ(list->needsPaint, c.dropped);
    EXPECT_EQ(vmwin::PixelAt(list, 0, 80), before) << "the marker is erased";
    EXPECT_EQ(vmwin::DrawingOf(list).size(), c.markerLines);
    for (const vmwin::DrawRecord& r : vmwin::DrawingOf(list)) EXPECT_EQ(r.rop2, R2_NOT);
    MSG release{};
    const bool posted = PeekMessage(&release, list, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE) != 0;
    EXPECT_EQ(posted, c.releasePosted);
    if (posted) {
      EXPECT_EQ(GET_X_LPARAM(release.lParam), c.press.x - 5);
      EXPECT_EQ(GET_Y_LPARAM(release.lParam), c.press.y - 5);
    }
    vmwin::PlayInputTimeline({});
    ASSERT_EQ(TickOnce(), kNoErr);
  }
}

TEST_F(PanelPollsTest, AButtonUnderTheCursorShowsItsHint) {
  struct Case {
    int16_t language;
    bool infShown;
    POINT cursor;
    const char* hint;  // code page 932
    POINT at;
  };
  // Buttons lie along the bottom of the 250 x 210 panels, 193 to 211.
  const Case cases[] = {
      {0, true, {210, 200}, "\215\355\217\234", {220, 221}},
      {1, true, {150, 200}, "Lock revision handle", {158, 221}},
      {2,
       true,
       {150, 200},
       "\225\342\220\263\203n\203\223\203h\203\213\202\314\203\215\203b\203N",
       {158, 221}},
      {1, false, {150, 200}, "New", {158, 221}},
      {1, true, {10, 200}, "Update", {15, 221}},
      {0, true, {50, 50}, "", {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hint);
    globals().language = c.language;
    HostPanels()->Show(InfPanel(), c.infShown);
    vmwin::SetCursorPosition(c.cursor.x, c.cursor.y);
    ASSERT_EQ(TickOnce(), kNoErr);
    EXPECT_STREQ(globals().panelHint.hintText, c.hint);
    EXPECT_EQ(globals().panelHint.hintPoint.x, c.at.x);
    EXPECT_EQ(globals().panelHint.hintPoint.y, c.at.y);
  }
}

}  // namespace
